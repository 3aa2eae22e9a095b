// The fixed text forms, byte for byte (degree sign 0xB0).
#include "engine/format.h"

#include <gtest/gtest.h>

#include "engine/shown_time.h"

#include "base/constants.h"

namespace veloranth {
namespace {

TEST(FormatHours, SecondsRoundWithoutCarry) {
    EXPECT_STREQ(FormatHours(12.999013531062598).text, "12h59'56\"");
    EXPECT_STREQ(FormatHours(6.5).text, "06h30'00\"");
    EXPECT_STREQ(FormatHours(12 + 59 / 60.0 + 59.7 / 3600).text, "12h59'60\"");
}

TEST(FormatAngleHours, RadiansShownAsHours) {
    EXPECT_STREQ(FormatAngleHours(1.5).text, "05h43'46\"");
}

TEST(FormatDegrees, SignInEveryComponent) {
    EXPECT_STREQ(FormatDegrees(48.85 * DegToRad).text,
                 " 48\xB0"
                 "51'00\"");
    EXPECT_STREQ(FormatDegrees(-6.5 * DegToRad).text, " -6\xB0-30'00\"");
    EXPECT_STREQ(FormatDegrees(-74 * DegToRad).text,
                 "-74\xB0"
                 "00'00\"");
}

TEST(FormatHoursRounded, RoundsToTheMinuteAndReportsTheDayCarry) {
    EXPECT_STREQ(FormatHoursRounded(12.5).text, "12:30");
    EXPECT_STREQ(FormatHoursRounded(23.99).text, "23:59");
    EXPECT_STREQ(FormatHoursRounded(23 + 59 / 60.0 + 30.5 / 3600).text,
                 "erreur : arrondi au jour suivant");
    EXPECT_STREQ(FormatHoursRounded(24.2).text, "24:12");
    EXPECT_STREQ(FormatHoursRounded(13.082346864395932).text, "13:05");
    EXPECT_STREQ(FormatHoursRounded(5 + 59 / 60.0 + 45.0 / 3600).text, "06:00");
}

TEST(ClockTime, WrapsIntoTheDayAndCarriesToMidnight) {
    EXPECT_EQ(ClockTime(24.2), "00:12");
    EXPECT_EQ(ClockTime(-0.75), "23:15");
    EXPECT_EQ(ClockTime(23 + 59 / 60.0 + 30.5 / 3600), "00:00");
    EXPECT_EQ(ClockTime(-1e-12), "00:00");
    EXPECT_EQ(ClockTime(13.082346864395932), "13:05");
}

TEST(Formatters, AbsurdValuesSaturateInsteadOfOverflowing) {
    EXPECT_STREQ(FormatHoursRounded(1e300).text, "2147483647:2147483647");
    EXPECT_STREQ(FormatHoursRounded(-1e300).text, "-2147483648:-2147483648");
}

}  // namespace
}  // namespace veloranth
