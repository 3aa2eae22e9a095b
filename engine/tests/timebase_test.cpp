// Julian centuries against the classic form (data/values.txt holds the reference figures).
#include "engine/timebase.h"

#include <gtest/gtest.h>

namespace veloranth {
namespace {

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

}  // namespace
}  // namespace veloranth
