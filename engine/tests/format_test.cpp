// The fixed text forms, byte for byte (degree sign 0xB0).
#include "engine/format.h"

#include <gtest/gtest.h>

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

TEST(FormatOffset, WholeHoursAsBeforeOthersWithMinutesAndSeconds) {
    const struct {
        double hours;
        const char *plain, *signed_;
    } cases[] = {{1, "1", "+1"},           {-5, "-5", "-5"},
                 {0, "0", "+0"},           {5.5, "5:30", "+5:30"},
                 {5.75, "5:45", "+5:45"},  {-3.5, "-3:30", "-3:30"},
                 {-0.5, "-0:30", "-0:30"}, {-2670 / 3600.0, "-0:44:30", "-0:44:30"}};
    for (const auto& c : cases) {
        EXPECT_STREQ(FormatOffset(c.hours).text, c.plain);
        EXPECT_STREQ(FormatOffset(c.hours, true).text, c.signed_);
    }
}

TEST(Formatters, AbsurdValuesSaturateInsteadOfOverflowing) {
    EXPECT_STREQ(FormatHoursRounded(1e300).text, "2147483647:2147483647");
    EXPECT_STREQ(FormatHoursRounded(-1e300).text, "-2147483648:-2147483648");
}

}  // namespace
}  // namespace veloranth
