// The foundation's calendar arithmetic and code pages.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

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

// Each ill-formed sequence gives one U+FFFD in text; a path with one is refused whole.
TEST(Codepage, IllFormedUtf8) {
    const struct {
        const char* utf8;
        const char16_t* text;
    } cases[] = {
        {"a\xC0\xAFz", u"a\uFFFD\uFFFDz"},           // overlong '/': C0 never starts a sequence
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},     // overlong in three bytes
        {"\xF0\x82\x82\xAC", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // overlong euro sign
        {"\xED\xA0\x80x", u"\uFFFD\uFFFD\uFFFDx"},   // a surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
        {"\xE2\x82", u"\uFFFD"},                      // cut at the end
        {"\xE2\x82x\xC3", u"\uFFFDx\uFFFD"},          // cut before a character
        {"\xF0\x9F\x95\x8C", u"\U0001F54C"},          // well formed
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.text) << c.utf8;
        std::u16string path;
        EXPECT_EQ(Utf8PathToUtf16(c.utf8, path), std::u16string(c.text).find(u'\uFFFD') ==
                                                     std::u16string::npos)
            << c.utf8;
    }
}

TEST(CivilFromDays, InverseOfDaysFromCivil) {
    for (std::int64_t days = -800000; days <= 3000000; days += 997) {
        const CivilDate d = CivilFromDays(days);
        ASSERT_EQ(DaysFromCivil(d.year, d.month, d.day), days);
        ASSERT_TRUE(d.day >= 1 && d.day <= DaysInMonth(d.month, static_cast<int>(d.year)));
    }
    const CivilDate leap = CivilFromDays(DaysFromCivil(2024, 2, 29));
    EXPECT_TRUE(leap.year == 2024 && leap.month == 2 && leap.day == 29);
}

}  // namespace
}  // namespace veloranth
