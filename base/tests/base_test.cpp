// The foundation's calendar arithmetic and code pages.
#include <gtest/gtest.h>

#include "base/calendar_date.h"
#include "base/codepage.h"

namespace veloranth {
namespace {

TEST(DaysInMonth, GregorianLeapYears) {
    const struct {
        int month, year, days;
    } cases[] = {{2, 2008, 29}, {2, 2007, 28}, {2, 2000, 29}, {2, 1900, 28},
                 {2, 2100, 28}, {1, 2007, 31}, {4, 2007, 30}, {12, 2007, 31}};
    for (const auto& c : cases) {
        EXPECT_EQ(DaysInMonth(c.month, c.year), c.days) << c.month << "/" << c.year;
    }
}

TEST(Codepage, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(Utf16ToCp1252(Cp1252ToUtf16(all)), all);
    EXPECT_EQ(Cp1252ToUtf8("\xE9\xB0\x80"), "\xC3\xA9\xC2\xB0\xE2\x82\xAC");
    EXPECT_EQ(Utf8ToUtf16("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x95\x8C"), u"\u00E9\u20AC\U0001F54C");
    EXPECT_EQ(Utf16ToCp1252(u"\u4E2D"), "?");
}

}  // namespace
}  // namespace veloranth
