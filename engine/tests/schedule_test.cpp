// The day's schedule with its conventions, the daylight-saving rules, the month schedule
// and the not-found record of polar days.
#include "engine/schedule.h"

#include <gtest/gtest.h>

#include "engine/format.h"
#include "engine/tests/engine_fixture.h"

namespace veloranth {
namespace {

using fixture::DayCase;

std::string Rounded(const PrayerTimes& t) {
    std::string s;
    for (int k = 0; k < kSalatCount; ++k) {
        s += FormatHoursRounded(t[k]).text;
        s += k + 1 < kSalatCount ? " " : "";
    }
    return s;
}

TEST(DaySchedule, ParisWinterDayRounded) {
    fixture::Town paris = fixture::kParis;
    paris.dst = 1;
    DayCase s(paris, 15, 1, 2007);
    ComputeDaySchedule(s.state, s.in);
    EXPECT_EQ(s.state.TZeff, 1);
    EXPECT_EQ(s.state.exact[Zuhr], 12.999013531062598);
    EXPECT_EQ(Rounded(s.state.adjusted), "06:46 08:39 13:00 15:02 17:21 19:08");
    EXPECT_EQ(ScheduleWeekday(s.state), 0);  // a Monday
    for (int k = 0; k < kSalatCount; ++k) {
        EXPECT_TRUE(s.state.found[k]) << k;
    }
}

TEST(DaySchedule, ZuhrOffsetAndFixedZuhr) {
    fixture::Town paris = fixture::kParis;
    paris.dst = 1;
    DayCase s(paris, 15, 1, 2007);
    s.convention.ZuhrOffset = 5;
    ComputeDaySchedule(s.state, s.in);
    EXPECT_EQ(s.state.adjusted[Zuhr], 13.082346864395932);
    EXPECT_STREQ(FormatHoursRounded(s.state.adjusted[Zuhr]).text, "13:05");

    s.convention.ZuhrFixe = true;
    s.convention.ZuhrHour = 13.5;
    ComputeDaySchedule(s.state, s.in);
    EXPECT_EQ(s.state.adjusted[Zuhr], 13.5);
    s.state.date = {15, 7, 2007};  // summer time: the fixed hour does not move
    ComputeDaySchedule(s.state, s.in);
    EXPECT_EQ(s.state.TZeff, 2);
    EXPECT_EQ(s.state.adjusted[Zuhr], 13.5);
}

TEST(DaySchedule, IshaAfterMaghribTakesOnlyTheIshaOffset) {
    DayCase s(fixture::kParis, 15, 1, 2007);
    s.convention.IshaIsMaghribPlus = true;
    s.convention.IshaMaghribMinutes = 90;
    s.convention.MaghribOffset = 3;
    s.convention.IshaOffset = -2;
    ComputeDaySchedule(s.state, s.in);
    EXPECT_EQ(s.state.exact[Isha], 90.0 * 0.016666666666666666 + s.state.exact[Maghrib]);
    EXPECT_NEAR(s.state.exact[Isha] - s.state.exact[Maghrib], 1.5, 1e-12);
    EXPECT_EQ(s.state.adjusted[Isha], -2 * 0.016666666666666666 + s.state.exact[Isha]);
}

TEST(DaySchedule, AllOffsetsApplyToTheirOwnEntry) {
    DayCase s(fixture::kParis, 15, 1, 2007);
    s.convention.FajrOffset = -2;
    s.convention.ChouroukOffset = 1;
    s.convention.AsrOffset = 2.5;
    ComputeDaySchedule(s.state, s.in);
    EXPECT_EQ(s.state.adjusted[Fajr], -2 * 0.016666666666666666 + s.state.exact[Fajr]);
    EXPECT_EQ(s.state.adjusted[Chourouk], 0.016666666666666666 + s.state.exact[Chourouk]);
    EXPECT_EQ(s.state.adjusted[Asr], 2.5 * 0.016666666666666666 + s.state.exact[Asr]);
    EXPECT_EQ(s.state.adjusted[Maghrib], s.state.exact[Maghrib]);
}

TEST(DaySchedule, PolarDaysRecordWhatWasNotFound) {
    DayCase winter(fixture::kTromso, 21, 12, 2007);
    winter.convention.IshaIsMaghribPlus = true;  // derived from a Maghrib that does not exist
    winter.convention.IshaMaghribMinutes = 90;
    winter.convention.MaghribOffset = 2;
    ComputeDaySchedule(winter.state, winter.in);
    EXPECT_TRUE(winter.state.found[Fajr]);
    EXPECT_FALSE(winter.state.found[Chourouk]);
    EXPECT_TRUE(winter.state.found[Zuhr]);
    EXPECT_FALSE(winter.state.found[Maghrib]);
    EXPECT_FALSE(winter.state.found[Isha]);
    // The stored values are kept: 0.0 plus the offset.
    EXPECT_EQ(winter.state.exact[Maghrib], 0.0);
    EXPECT_EQ(winter.state.adjusted[Maghrib], 2 * 0.016666666666666666);

    fixture::Town tromso = fixture::kTromso;
    tromso.dst = 1;
    DayCase summer(tromso, 21, 6, 2007);
    ComputeDaySchedule(summer.state, summer.in);
    EXPECT_EQ(summer.state.TZeff, 2);
    const bool expected[kSalatCount] = {false, false, true, true, false, false};
    for (int k = 0; k < kSalatCount; ++k) {
        EXPECT_EQ(summer.state.found[k], expected[k]) << k;
    }
    // A following ordinary day finds everything again.
    DayCase paris(fixture::kParis, 15, 1, 2007);
    paris.state = summer.state;
    paris.state.date = {15, 1, 2007};
    ComputeDaySchedule(paris.state, paris.in);
    for (int k = 0; k < kSalatCount; ++k) {
        EXPECT_TRUE(paris.state.found[k]) << k;
    }
}

struct DstCase {
    int rule, year, firstDay, firstMonth, lastDay, lastMonth;
};

TEST(DstApplies, PeriodsOfBothRules) {
    const DstCase cases[] = {
        {1, 2007, 25, 3, 27, 10}, {2, 2007, 27, 4, 27, 9},  {2, 2009, 24, 4, 24, 9},
        {2, 2010, 30, 4, 23, 9},  {7, 2007, 25, 3, 27, 10},  // any other non-zero value is the
                                                             // March-October rule
    };
    for (const DstCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "rule " << c.rule << " year " << c.year);
        EXPECT_EQ(DstApplies(c.year, c.firstMonth, c.firstDay, c.rule, 1), 1);
        EXPECT_EQ(DstApplies(c.year, c.firstMonth, c.firstDay - 1, c.rule, 1), 0);
        EXPECT_EQ(DstApplies(c.year, c.lastMonth, c.lastDay, c.rule, 1), 1);
        EXPECT_EQ(DstApplies(c.year, c.lastMonth, c.lastDay + 1, c.rule, 1), 0);
        EXPECT_EQ(DstApplies(c.year, 7, 1, c.rule, 1), 1);
        EXPECT_EQ(DstApplies(c.year, 1, 1, c.rule, 1), 0);
        EXPECT_EQ(DstApplies(c.year, 12, 31, c.rule, 1), 0);
    }
}

TEST(DstApplies, RuleZeroNeverShiftsTheTimeZone) {
    DayCase s(fixture::kParis, 15, 7, 2007);
    ComputeDaySchedule(s.state, s.in);
    EXPECT_EQ(s.state.TZeff, 1);
}

TEST(MonthSchedule, FillsEveryDayAndRestoresTheDate) {
    DayCase s(fixture::kParis, 17, 1, 2007);
    s.state.solar.UTHour = 9.25;
    PrayerTimes times[31];
    int weekdays[31] = {};
    FoundTimes found[31];
    ComputeMonthSchedule(s.state, s.in, times, weekdays, 31, found);
    EXPECT_EQ(s.state.date.Day, 17);
    EXPECT_EQ(s.state.date.Month, 1);
    EXPECT_EQ(s.state.solar.UTHour, 9.25);
    EXPECT_EQ(weekdays[0], 0);   // 1 January 2007 was a Monday
    EXPECT_EQ(weekdays[30], 2);  // 31 January, a Wednesday

    DayCase day15(fixture::kParis, 15, 1, 2007);
    ComputeDaySchedule(day15.state, day15.in);
    for (int k = 0; k < kSalatCount; ++k) {
        EXPECT_EQ(times[14][k], day15.state.adjusted[k]) << k;
    }
    // The records left behind are those of the last day.
    DayCase day31(fixture::kParis, 31, 1, 2007);
    ComputeDaySchedule(day31.state, day31.in);
    EXPECT_EQ(s.state.adjusted[Asr], day31.state.adjusted[Asr]);
}

TEST(MonthSchedule, CountZeroComputesNothing) {
    DayCase s(fixture::kParis, 17, 1, 2007);
    PrayerTimes times[1];
    int weekdays[1] = {-1};
    ComputeMonthSchedule(s.state, s.in, times, weekdays, 0);
    EXPECT_EQ(weekdays[0], -1);
    EXPECT_EQ(s.state.date.Day, 17);
    EXPECT_EQ(s.state.adjusted[Fajr], 0.0);
}

}  // namespace
}  // namespace veloranth
