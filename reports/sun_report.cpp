// The Sun's position for an observer, each quantity printed in degrees and as text.
#include "reports/sun_report.h"

#include "base/constants.h"
#include "base/text_sink.h"
#include "engine/format.h"
#include "engine/schedule.h"
#include "engine/sun_position.h"
#include "reports/french_names.h"
#include "reports/prayer_report.h"

namespace veloranth {

namespace {

void PrintSunReport(const MainState& s, const SolarState& sun, TextSink* out) {
    const AppConfig& c = s.config;
    const Town& town = c.SelectedTown();
    Print(out, "_____________________________________________________________\n");
    Print(out, "Lieu : %s, %s\n", town.Country, town.Name);
    Print(out, "latitude=%g\xB0   longitude=%g\xB0\n", c.LatitudeRad * RadToDeg,
          c.LongitudeRad * RadToDeg);
    Print(out, "latitude=%s   longitude=%s\n", FormatDegrees(c.LatitudeRad).text,
          FormatDegrees(c.LongitudeRad).text);
    // The day is named as the window's day was computed, on this instant's clock.
    Print(out, "__ Date : %s %d/%d/%d \xE0 %gh UT   %s  TZ (include DST)=%s\n",
          DayName(WeekdayAt(s.day.T, sun.TZeff)), sun.day, s.date.Month, s.date.Year, sun.UTHour,
          DstText(sun.dst), FormatOffset(sun.TZeff).text);
    Print(out, "T=%g JC\n", sun.T);
    Print(out, "Soleil Longitude L=%g\xB0 ie : %s\n", sun.lambda * RadToDeg,
          FormatAngleHours(sun.lambda).text);
    Print(out, "theta0=%g\xB0 ie : %s\n", sun.theta0 * RadToDeg, FormatAngleHours(sun.theta0).text);
    Print(out, "theta=%g\xB0  ie heure sid\xE9rale %s\n", sun.theta * RadToDeg,
          FormatAngleHours(sun.theta).text);
    Print(out, "RA=%g\xB0 ie : %s\n", sun.RA * RadToDeg, FormatAngleHours(sun.RA).text);
    Print(out, "delta=%g\xB0  ie DE %s\n", sun.delta * RadToDeg, FormatDegrees(sun.delta).text);
    Print(out, "tau=%g\xB0  ie angle horaire %s\n", sun.tau * RadToDeg,
          FormatAngleHours(sun.tau).text);
    Print(out, "az=%g\xB0 (orgine Sud) ie : azimut %s\n", sun.az * RadToDeg,
          FormatDegrees(sun.az).text);
    Print(out, "------az=%g\xB0 (orgine Nord) ie -180 : azimut %s\n", sun.az * RadToDeg - 180.0,
          FormatDegrees(sun.az - Pi).text);
    Print(out, "h=%g\xB0  ie altitude %s\n", sun.h * RadToDeg, FormatDegrees(sun.h).text);
}

}  // namespace

SolarState SunReport(const MainState& s, TextSink* out) {
    const SolarState sun = SunPositionAt(InputsOf(s), s.date, s.time);
    if (out != nullptr) {
        PrintSunReport(s, sun, out);
    }
    return sun;
}

std::string SunBoxText(const MainState& s, TextSink* report) {
    const SolarState sun = SunReport(s, report);
    const AppConfig& c = s.config;
    const Town& town = c.SelectedTown();
    StringSink text;
    Print(&text, "Lieu : %s, %s\n", town.Country, town.Name);
    Print(&text, "la=%s lg=%s\n", FormatDegrees(c.LatitudeRad).text,
          FormatDegrees(c.LongitudeRad).text);
    Print(&text, "Date : %s %d/%d/%d \xE0 %gh UT TZ(inc.DST)=%s\n",
          DayName(WeekdayAt(sun.T, sun.TZeff)), s.date.Day, s.date.Month, s.date.Year, sun.UTHour,
          FormatOffset(sun.TZeff).text);
    Print(&text, "T=%g JC\n", sun.T);
    Print(&text, "Soleil lg=%g\xB0 ie : %s\n", sun.lambda * RadToDeg,
          FormatAngleHours(sun.lambda).text);
    Print(&text, "theta0=%g\xB0 ie : %s\n", sun.theta0 * RadToDeg,
          FormatAngleHours(sun.theta0).text);
    Print(&text, "theta=%g\xB0 ie heure sid\xE9rale %s\n", sun.theta * RadToDeg,
          FormatAngleHours(sun.theta).text);
    Print(&text, "RA=%g\xB0 ie : %s\n", sun.RA * RadToDeg, FormatAngleHours(sun.RA).text);
    Print(&text, "delta=%g\xB0 ie DE %s\n", sun.delta * RadToDeg, FormatDegrees(sun.delta).text);
    Print(&text, "tau=%g\xB0 ie angle horaire %s\n", sun.tau * RadToDeg,
          FormatAngleHours(sun.tau).text);
    Print(&text, "az=%g\xB0 (orgine Sud) ie : azimut %s\n", sun.az * RadToDeg,
          FormatDegrees(sun.az).text);
    Print(&text, "h=%g\xB0 ie altitude %s\n", sun.h * RadToDeg, FormatDegrees(sun.h).text);
    return BoxText(text.str());
}

}  // namespace veloranth
