// Julian centuries and weekdays, including dates outside 1900-2099 and before 2000.
#include "engine/timebase.h"

#include <gtest/gtest.h>

namespace veloranth {
namespace {

TEST(JulianCenturies, GregorianCorrectionFollowsTheCentury) {
    // Julian day numbers of Meeus (Astronomical Algorithms, ch. 7).
    const struct {
        int day, month, year;
        double hours, julianDay;
    } cases[] = {{1, 1, 1900, 0, 2415020.5},
                 {1, 3, 2100, 0, 2488128.5},
                 {1, 1, 2200, 0, 2524593.5},
                 {4, 10, 1957, 19.44, 2436116.31},
                 {1, 1, 1600, 0, 2305447.5},
                 {15, 10, 1582, 0, 2299160.5},
                 {13, 7, 2024, 7.25, 2460504.802083333},
                 {1, 1, 2000, 12, 2451545.0},
                 {25, 3, 2007, 12, 2454185.0},
                 // Days and hours out of range run on linearly.
                 {14, 1, 2007, 30, 2454115.75},
                 {0, 3, 2008, 12, 2454526.0},
                 {32, 1, 2007, 12, 2454133.0}};
    for (const auto& c : cases) {
        EXPECT_NEAR(JulianCenturies(c.day, c.month, c.year, c.hours),
                    (c.julianDay - 2451545.0) / 36525.0, 1e-12)  // centuries; a day is 2.7e-5
            << c.day << "/" << c.month << "/" << c.year;
    }
}

TEST(JulianCenturies, BitForBitTheClassicFormWithin1900To2099) {
    auto classic = [](int day, int month, int year, double hours) {  // a - b - 15, fixed term
        int a = static_cast<int>(365.25 * (month <= 2 ? year - 1 : year));
        int b = static_cast<int>(((month <= 2 ? month + 12 : month) + 1) * -30.6001);
        double jd =
            ((static_cast<double>(a - b - 15) + hours * 0.041666666666666664) + day) + 1720996.5;
        return (jd - 2451545.0) * 2.7378507871321012e-05;
    };
    for (int year : {1901, 1999, 2000, 2024, 2099}) {
        for (int month = 1; month <= 12; ++month) {
            EXPECT_EQ(JulianCenturies(13, month, year, 7.25), classic(13, month, year, 7.25))
                << year << "-" << month;
        }
    }
}

TEST(DayOfWeek, EveryDateHasItsWeekday) {
    EXPECT_EQ(DayOfWeek(0.0), 5);  // Saturday 1 January 2000
    const double noonOffset = 12 * 1.140771161305042e-06;
    const struct {
        int day, month, year, weekday;
    } cases[] = {
        {25, 3, 2007, 6},  {26, 3, 2007, 0},  {27, 12, 1999, 0}, {26, 12, 1999, 6},
        {25, 12, 1999, 5}, {24, 12, 1999, 4}, {23, 12, 1999, 3}, {22, 12, 1999, 2},
        {21, 12, 1999, 1}, {20, 12, 1999, 0}, {14, 7, 1789, 1},  {1, 1, 1900, 0},
        {11, 11, 1918, 0}, {20, 7, 1969, 6},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DayOfWeek(JulianCenturies(c.day, c.month, c.year, 0.0) + noonOffset), c.weekday)
            << c.day << "/" << c.month << "/" << c.year;
    }
}

}  // namespace
}  // namespace veloranth
