// Time base of the engine: Julian centuries since J2000.0 and the weekday of an instant.
#pragma once

namespace veloranth {

// Julian centuries since 1 January 2000 12:00 UT for a Gregorian date and a UT hour.
// Day and hours act linearly: day 0 is the last day of the previous month, hours
// beyond 24 or below 0 move into the neighbouring days.
double JulianCenturies(int day, int month, int year, double hours);

// Weekday index of the instant T: 0 Monday ... 6 Sunday.
int DayOfWeek(double T);

}  // namespace veloranth
