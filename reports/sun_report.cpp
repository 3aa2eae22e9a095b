// The Sun's position for an observer, each quantity printed in degrees and as text.
#include "reports/sun_report.h"

#include "base/constants.h"
#include "engine/format.h"
#include "engine/schedule.h"
#include "base/text_sink.h"
#include "engine/timebase.h"
#include "reports/french_names.h"
#include "reports/prayer_report.h"

namespace veloranth {

void SunReport(MainState& s, TextSink& sink) {
    TextSink* out = s.config.Verbose != 0 ? &sink : nullptr;  // read once: all lines or none
    EngineState& e = s.engine;
    SolarState& sun = e.solar;
    const AppConfig& c = s.config;

    e.TZeff = ClockOn(e.date, InputsOf(s, nullptr)).TZeff;
    if (out) {
        const Town& town = c.SelectedTown();
        Print(out, "_____________________________________________________________\n");
        Print(out, "Lieu : %s, %s\n", town.Country, town.Name);
        Print(out, "latitude=%g\xB0   longitude=%g\xB0\n", c.LatitudeRad * RadToDeg,
              c.LongitudeRad * RadToDeg);
        Print(out, "latitude=%s   longitude=%s\n", FormatDegrees(c.LatitudeRad).text,
              FormatDegrees(c.LongitudeRad).text);
    }

    double ut =
        ((e.time.Hour - e.TZeff) + e.time.Second * SecondInHours) + e.time.Minute * MinuteInHours;
    int day = e.date.Day;
    if (ut < 0) {
        ut += 24.0;
        day = e.date.Day - 1;  // day 0 is the last day of the previous month
    }
    sun.UTHour = ut;
    if (out) {
        Print(out, "__ Date : %s %d/%d/%d \xE0 %gh UT   %s  TZ (include DST)=%s\n",
              ScheduleDayName(s), day, e.date.Month, e.date.Year, ut, DstText(s),
              FormatOffset(e.TZeff).text);
    }

    sun.T = JulianCenturies(day, e.date.Month, e.date.Year, ut);
    if (out) {
        Print(out, "T=%g JC\n", sun.T);
    }
    sun.lambda = SunLongitude(sun.T);
    if (out) {
        Print(out, "Soleil Longitude L=%g\xB0 ie : %s\n", sun.lambda * RadToDeg,
              FormatAngleHours(sun.lambda).text);
    }
    SunRaDec(sun.lambda, sun.RA, sun.delta);
    sun.theta0 = Theta0(sun.T);
    sun.theta = sun.theta0 + c.LongitudeRad;
    if (out) {
        Print(out, "theta0=%g\xB0 ie : %s\n", sun.theta0 * RadToDeg,
              FormatAngleHours(sun.theta0).text);
        Print(out, "theta=%g\xB0  ie heure sid\xE9rale %s\n", sun.theta * RadToDeg,
              FormatAngleHours(sun.theta).text);
    }
    sun.tau = sun.theta - sun.RA;
    if (out) {
        Print(out, "RA=%g\xB0 ie : %s\n", sun.RA * RadToDeg, FormatAngleHours(sun.RA).text);
        Print(out, "delta=%g\xB0  ie DE %s\n", sun.delta * RadToDeg, FormatDegrees(sun.delta).text);
        Print(out, "tau=%g\xB0  ie angle horaire %s\n", sun.tau * RadToDeg,
              FormatAngleHours(sun.tau).text);
    }
    AltitudeAzimuth(c.LatitudeRad, sun.tau, sun.delta, sun.h, sun.az);
    if (out) {
        Print(out, "az=%g\xB0 (orgine Sud) ie : azimut %s\n", sun.az * RadToDeg,
              FormatDegrees(sun.az).text);
        Print(out, "------az=%g\xB0 (orgine Nord) ie -180 : azimut %s\n", sun.az * RadToDeg - 180.0,
              FormatDegrees(sun.az - Pi).text);
        Print(out, "h=%g\xB0  ie altitude %s\n", sun.h * RadToDeg, FormatDegrees(sun.h).text);
    }
}

std::string SunBoxText(MainState& s, TextSink& sink) {
    SunReport(s, sink);
    const EngineState& e = s.engine;
    const SolarState& sun = e.solar;
    const AppConfig& c = s.config;
    const Town& town = c.SelectedTown();
    StringSink text;
    Print(&text, "Lieu : %s, %s\n", town.Country, town.Name);
    Print(&text, "la=%s lg=%s\n", FormatDegrees(c.LatitudeRad).text,
          FormatDegrees(c.LongitudeRad).text);
    Print(&text, "Date : %s %d/%d/%d \xE0 %gh UT TZ(inc.DST)=%s\n", ScheduleDayName(s), e.date.Day,
          e.date.Month, e.date.Year, sun.UTHour, FormatOffset(e.TZeff).text);
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
