// The Sun's position at an instant: time base, coordinates, sidereal and horizontal angles.
#include "engine/sun_position.h"

#include "base/constants.h"
#include "engine/town_clock.h"
#include "engine/timebase.h"

namespace veloranth {

SolarState SunPositionAt(const Place& place, const ObservationDate& date,
                         const ObservationTime& time) {
    SolarState sun;
    const LocalClock clock = ClockOn(date, place);
    sun.TZeff = clock.TZeff;
    sun.dst = clock.dst;
    sun.UTHour =
        ((time.Hour - sun.TZeff) + time.Second * SecondInHours) + time.Minute * MinuteInHours;
    sun.day = date.Day;
    if (sun.UTHour < 0) {
        sun.UTHour += 24.0;
        sun.day = date.Day - 1;  // day 0 is the last day of the previous month
    }
    sun.T = JulianCenturies(sun.day, date.Month, date.Year, sun.UTHour);
    sun.lambda = SunLongitude(sun.T);
    SunRaDec(sun.lambda, sun.RA, sun.delta);
    sun.theta0 = Theta0(sun.T);
    sun.theta = sun.theta0 + place.LongitudeRad;
    sun.tau = sun.theta - sun.RA;
    AltitudeAzimuth(place.LatitudeRad, sun.tau, sun.delta, sun.h, sun.az);
    return sun;
}

}  // namespace veloranth
