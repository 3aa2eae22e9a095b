// Time base of the engine: Julian centuries since J2000.0 and the weekday of an instant.
#pragma once

namespace veloranth {

// Julian centuries since 1 January 2000 12:00 UT for a Gregorian date and a UT hour.
// Day and hours act linearly: day 0 is the last day of the previous month, hours
// beyond 24 or below 0 move into the neighbouring days.
double JulianCenturies(int day, int month, int year, double hours);

// JulianCenturies in two steps, for the many instants of one month: the month's part,
// then the day and hours, with the same operations in the same order (the same bits).
int MonthBase(int month, int year);
inline double JulianCenturiesIn(int monthBase, int day, double hours) {
    double jd = ((static_cast<double>(monthBase) + hours * 0.041666666666666664) + day) + 1720996.5;
    return (jd - 2451545.0) * 2.7378507871321012e-05;
}

// Weekday index of the instant T: 0 Monday ... 6 Sunday.
int DayOfWeek(double T);

}  // namespace veloranth
