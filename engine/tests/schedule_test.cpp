// The month schedule and the records a day leaves for the next.
#include "engine/schedule.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>

#include "engine/tests/engine_fixture.h"

namespace veloranth {
namespace {

using fixture::DayCase;

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

    int untouched[1] = {-1};
    ComputeMonthSchedule(s.state, s.in, times, untouched, 0);
    EXPECT_EQ(untouched[0], -1);
    EXPECT_EQ(s.state.date.Day, 17);
}

// What the state keeps between days follows a change of convention, rule, zone or year:
// after each change (cumulative) the kept state gives a fresh one's bits.
TEST(DaySchedule, KeptStateFollowsChangedInputs) {
    using Change = void (*)(DayCase&);
    const Change changes[] = {
        [](DayCase& c) { c.in.CurrentDst = 1; },  // 29 March 2025: before the last Sunday
        [](DayCase& c) { c.state.date.Year = 2026; },  // ... and now on it
        [](DayCase& c) { c.in.CurrentDst = 2, c.in.CurrentTimeZone = 3; },
        [](DayCase& c) { c.convention.FajrTwilightAngle = 15, c.convention.SunriseSetAngle = 0; },
        [](DayCase& c) { c.in.zone = zones::FindZone("Asia/Tehran"), c.state.date.Month = 4; },
    };
    DayCase kept(fixture::kParis, 29, 3, 2025);
    for (std::size_t n = 1; n <= std::size(changes); ++n) {
        DayCase fresh(fixture::kParis, 29, 3, 2025);
        for (std::size_t i = 0; i < n; ++i) {
            changes[i](fresh);
        }
        changes[n - 1](kept);
        ComputeDaySchedule(kept.state, kept.in);
        ComputeDaySchedule(fresh.state, fresh.in);
        EXPECT_EQ(kept.state.TZeff, fresh.state.TZeff) << n;
        EXPECT_EQ(0, std::memcmp(&kept.state.adjusted, &fresh.state.adjusted, sizeof(PrayerTimes)))
            << n;
    }
}

// Unobserved, the day's solver calls run together; observed, one after another: the same
// times, flags and solar state at every latitude (the Sun missing one pass or all of them,
// either way), with Isha from Maghrib and Hanafi Asr too.
TEST(DaySchedule, TogetherAndOneAfterAnotherLeaveTheSameState) {
    struct : ScheduleObserver {
        void After(ScheduleStep, const EngineState&) override {}
    } observed;
    for (int latitude = -88; latitude <= 88; latitude += 4) {
        for (int month = 1; month <= 12; ++month) {
            for (bool variant : {false, true}) {
                const fixture::Town town{double(latitude), 10.0 * month, 1, 1};
                DayCase together(town, 20, month, 2026), apart(town, 20, month, 2026);
                for (DayCase* c : {&together, &apart}) {
                    c->convention.IshaIsMaghribPlus = variant, c->convention.AsrShafi = !variant;
                    c->convention.IshaMaghribMinutes = 90;
                }
                ComputeDaySchedule(together.state, together.in);
                ComputeDaySchedule(apart.state, apart.in, &observed);
                const EngineState &a = together.state, &b = apart.state;
                EXPECT_TRUE(!std::memcmp(&a.exact, &b.exact, sizeof a.exact) &&
                            !std::memcmp(&a.found, &b.found, sizeof a.found) &&
                            !std::memcmp(&a.solar, &b.solar, sizeof a.solar))
                    << latitude << " " << month << " " << variant;
            }
        }
    }
}

}  // namespace
}  // namespace veloranth
