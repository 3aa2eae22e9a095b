// Julian centuries and weekdays, including dates outside 1900-2099 and before 2000.
#include "engine/timebase.h"

#include <gtest/gtest.h>

namespace veloranth {
namespace {

TEST(JulianCenturies, ReferenceInstantsAreExact) {
    EXPECT_EQ(JulianCenturies(1, 1, 2000, 12.0), 0.0);
    EXPECT_EQ(JulianCenturies(25, 3, 2007, 12.0), 0.07227926078028747);
}

TEST(JulianCenturies, DayAndHoursActLinearly) {
    EXPECT_DOUBLE_EQ(JulianCenturies(14, 1, 2007, 30.0), JulianCenturies(15, 1, 2007, 6.0));
    EXPECT_DOUBLE_EQ(JulianCenturies(14, 1, 2007, 6.0 + 48), JulianCenturies(15, 1, 2007, 30.0));
    EXPECT_DOUBLE_EQ(JulianCenturies(0, 3, 2008, 12.0), JulianCenturies(29, 2, 2008, 12.0));
    EXPECT_DOUBLE_EQ(JulianCenturies(32, 1, 2007, 12.0), JulianCenturies(1, 2, 2007, 12.0));
}

// Julian day numbers of Meeus (Astronomical Algorithms, ch. 7) at 0h UT, as centuries.
double CenturiesOfJulianDay(double jd) {
    return (jd - 2451545.0) / 36525.0;
}

TEST(JulianCenturies, GregorianCorrectionFollowsTheCentury) {
    const double tolerance = 1e-12;  // centuries; a whole day is 2.7e-5
    EXPECT_NEAR(JulianCenturies(1, 1, 1900, 0.0), CenturiesOfJulianDay(2415020.5), tolerance);
    EXPECT_NEAR(JulianCenturies(1, 3, 2100, 0.0), CenturiesOfJulianDay(2488128.5), tolerance);
    EXPECT_NEAR(JulianCenturies(1, 1, 2200, 0.0), CenturiesOfJulianDay(2524593.5), tolerance);
    EXPECT_NEAR(JulianCenturies(4, 10, 1957, 19.44), CenturiesOfJulianDay(2436116.31), tolerance);
    EXPECT_NEAR(JulianCenturies(1, 1, 1600, 0.0), CenturiesOfJulianDay(2305447.5), tolerance);
    EXPECT_NEAR(JulianCenturies(15, 10, 1582, 0.0), CenturiesOfJulianDay(2299160.5), tolerance);
}

TEST(JulianCenturies, UnchangedWithinTheClassicRange) {
    // The classic form: a - b - 15 with the Gregorian term fixed for 1900-2099.
    auto classic = [](int day, int month, int year, double hours) {
        if (month <= 2) {
            month += 12;
            year -= 1;
        }
        int a = static_cast<int>(365.25 * year);
        int b = static_cast<int>((month + 1) * -30.6001);
        double jd =
            ((static_cast<double>(a - b - 15) + hours * 0.041666666666666664) + day) + 1720996.5;
        return (jd - 2451545.0) * 2.7378507871321012e-05;
    };
    for (int year : {1900, 1901, 1999, 2000, 2024, 2099}) {
        for (int month = 1; month <= 12; ++month) {
            if (year == 1900 && month < 3) {
                continue;
            }
            EXPECT_EQ(JulianCenturies(13, month, year, 7.25), classic(13, month, year, 7.25))
                << year << "-" << month;
        }
    }
    EXPECT_EQ(JulianCenturies(28, 2, 2100, 3.0), classic(28, 2, 2100, 3.0));
}

TEST(DayOfWeek, AroundTheYear2000) {
    EXPECT_EQ(DayOfWeek(0.0), 5);                                  // Saturday 1 January 2000
    EXPECT_EQ(DayOfWeek(JulianCenturies(25, 3, 2007, 12.0)), 6);   // Sunday
    EXPECT_EQ(DayOfWeek(JulianCenturies(26, 3, 2007, 12.0)), 0);   // Monday
    EXPECT_EQ(DayOfWeek(JulianCenturies(27, 12, 1999, 12.0)), 0);  // Monday
}

TEST(DayOfWeek, BeforeTheYear2000EveryDateHasItsWeekday) {
    // Local noon of each day of the last week of 1999 and of dates long before.
    const double noonOffset = 12 * 1.140771161305042e-06;
    struct Case {
        int day, month, year, weekday;
    } cases[] = {
        {26, 12, 1999, 6}, {25, 12, 1999, 5}, {24, 12, 1999, 4}, {23, 12, 1999, 3},
        {22, 12, 1999, 2}, {21, 12, 1999, 1}, {20, 12, 1999, 0}, {14, 7, 1789, 1},
        {1, 1, 1900, 0},   {11, 11, 1918, 0}, {20, 7, 1969, 6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DayOfWeek(JulianCenturies(c.day, c.month, c.year, 0.0) + noonOffset), c.weekday)
            << c.day << "/" << c.month << "/" << c.year;
    }
}

}  // namespace
}  // namespace veloranth
