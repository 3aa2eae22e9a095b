// Compass geometry: the pictures sit on a circle of radius 67.5 around the centre, the
// arrows are 56 pixels long with 10-pixel barbs at 30 degrees.
#include "reports/qibla.h"

#include "base/constants.h"
#include "engine/format.h"
#include "engine/repro_math.h"
#include "engine/shown_time.h"
#include "base/text_sink.h"
#include "base/truncate.h"

namespace veloranth {

namespace {

const double kKaabaLongitude = 39.82620120048523 * DegToRad;
const double kKaabaLatitude = 21.422509756558238 * DegToRad;

}  // namespace

double QiblaBearing(double latitude, double longitude) {
    double dL = kKaabaLongitude - longitude;
    return rmath::Atan2(rmath::Sin(dL), rmath::Cos(latitude) * rmath::Tan(kKaabaLatitude) -
                                            rmath::Sin(latitude) * rmath::Cos(dL));
}

CompassArrow ArrowToward(double angle) {
    // Screen angle: counter-clockwise from the x axis, y growing downward.
    double a = Pi / 2 - angle;
    double c = rmath::Cos(a), s = rmath::Sin(a);
    CompassArrow r;
    r.pictureX = TruncToInt((c * 0.9 + 1) * 75 - 8);
    r.pictureY = TruncToInt((1 - s * 0.9) * 75 - 8);
    double X = (1 + 0.75 * c) * 75, Y = (1 - 0.75 * s) * 75;
    r.tipX = TruncToInt(X);
    r.tipY = TruncToInt(Y);
    r.barb1X = TruncToInt(X - 8.66 * c - 5 * s);
    r.barb1Y = TruncToInt(Y + 8.66 * s - 5 * c);
    r.barb2X = TruncToInt(X - 8.66 * c + 5 * s);
    r.barb2Y = TruncToInt(Y + 8.66 * s + 5 * c);
    return r;
}

std::string QiblaText(double qibla, double az, double tzEff, double utHour) {
    StringSink text;
    Print(&text, "Quibla \xE0 partir du Nord : %s\n", FormatDegrees(qibla).text);
    Print(&text, "Soleil \xE0 partir du Nord \xE0 %s : %s", ClockTime(tzEff + utHour).c_str(),
          FormatDegrees(az - Pi).text);
    return text.str();
}

}  // namespace veloranth
