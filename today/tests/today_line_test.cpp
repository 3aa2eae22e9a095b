// The Today line's columns and its cache on the date.
#include "today/today_line.h"

#include <gtest/gtest.h>

#include "config/parser.h"

namespace veloranth {
namespace {

const PrayerTimes kDay = [] {
    PrayerTimes t;
    t[Fajr] = 5.2, t[Zuhr] = 13.75, t[Asr] = 17 + 2 / 60.0, t[Maghrib] = 20 + 31 / 60.0;
    return t;
}();

TEST(ComposeTodayLine, FiveTimesAndTheName) {
    const struct {
        double isha;
        bool found;
        const char16_t *town, *line;
    } cases[] = {
        {22 + 10 / 60.0, true, u"Strasbourg", u"05:12  13:45  17:02  20:31  22:10  Strasbourg"},
        {22 + 10 / 60.0, true, u"Saint-Etienne", u"05:12  13:45  17:02  20:31  22:10  Saint-Etie"},
        // Rounding into the next day; Isha after midnight, as in Oslo in June; not found.
        {23 + 59 / 60.0 + 30.5 / 3600, true, u"Tromso", u"05:12  13:45  17:02  20:31  00:00  Tromso"},
        {24.25, true, u"Oslo", u"05:12  13:45  17:02  20:31  00:15  Oslo"},
        {22.0, false, u"Tromso", u"05:12  13:45  17:02  20:31  --:--  Tromso"},
    };
    for (const auto& c : cases) {
        PrayerTimes t = kDay;
        t[Isha] = c.isha;
        FoundTimes found;
        found.found[Isha] = c.found;
        EXPECT_EQ(ComposeTodayLine(t, found, c.town), c.line);
    }
}

// Strasbourg with 18/17 degrees and Shafi Asr, read as the plug-in reads it.
TEST(UpdateTodayLine, ComputesOncePerDateAndAfterATap) {
    struct : ReadReporter {
        void Notice(ReadNotice, const NoticeDetails&) override {}
    } quiet;
    struct PluginConfig {
        WideAppConfig cfg;
        ~PluginConfig() { ReleaseTownTable(cfg, HeapTownAllocator()); }
    } p;
    std::u16string echo;
    ASSERT_EQ(ParseConfig<char16_t>(u"3 0 1 18 17 0.833 0 0 0 12\n1 1 0 3\n"
                                    u"2 France Strasbourg 48.5734 7.7521 1 1 0\n",
                                    p.cfg, echo, HeapTownAllocator(), quiet),
              kReadOk);
    TodayItemDay day;
    EXPECT_TRUE(UpdateTodayLine(day, p.cfg, {15, 1, 2007}));
    std::u16string first = day.line;
    EXPECT_EQ(first.substr(35), u"Strasbourg");
    EXPECT_FALSE(UpdateTodayLine(day, p.cfg, {15, 1, 2007}));  // a second paint the same day
    ForgetTodayLine(day);                                      // a tap
    EXPECT_TRUE(UpdateTodayLine(day, p.cfg, {15, 1, 2007}));
    EXPECT_EQ(day.line, first);
    EXPECT_TRUE(UpdateTodayLine(day, p.cfg, {16, 1, 2007}));  // after midnight
    EXPECT_NE(day.line, first);
}

// A face of 6 pixels a character in bold, 5 regular, at height 10; narrower as it shrinks.
int FakeWidth(const std::u16string& text, const ItemFont& f) {
    return static_cast<int>(text.size()) * (f.bold ? 6 : 5) * f.height / 10;
}

TEST(ChooseItemFont, BoldThenRegularThenSmallerDownTo80Percent) {
    const std::u16string line(40, u'x');
    const struct {
        int width;
        bool bold;
        int height;
    } cases[] = {{240, true, 10}, {239, false, 10}, {199, false, 9}, {150, false, 8}};
    for (const auto& c : cases) {
        const ItemFont f = ChooseItemFont({line, u"short"}, c.width, 10, FakeWidth);
        EXPECT_TRUE(f.bold == c.bold && f.height == c.height) << c.width;
    }
    // Every line counts: a long second line decides as well.
    EXPECT_FALSE(ChooseItemFont({u"short", line}, 239, 10, FakeWidth).bold);
}

TEST(FitHijriLine, FullThenShortMonthThenWithoutTheYear) {
    const HijriDate date{1448, 6, 27};
    const ItemFont regular{false, 10};
    EXPECT_EQ(FitHijriLine(date, 130, regular, FakeWidth), u"27 Joumada ath-thania 1448");
    EXPECT_EQ(FitHijriLine(date, 129, regular, FakeWidth), u"27 Joum. II 1448");
    EXPECT_EQ(FitHijriLine(date, 60, regular, FakeWidth), u"27 Joum. II");
    EXPECT_EQ(FitHijriLine(date, 10, regular, FakeWidth), u"27 Joum. II");
}

}  // namespace
}  // namespace veloranth
