// The month schedule, the memo kept across days, and the two ways the day is solved.
#include "engine/schedule.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>

#include "engine/tests/engine_fixture.h"

namespace veloranth {
namespace {

using fixture::DayCase;

bool SameBits(const PrayerDay& a, const PrayerDay& b) {
    return !std::memcmp(&a.exact, &b.exact, sizeof a.exact) &&
           !std::memcmp(&a.adjusted, &b.adjusted, sizeof a.adjusted) &&
           !std::memcmp(&a.found, &b.found, sizeof a.found) && a.T == b.T &&
           a.TZeff == b.TZeff && a.dst == b.dst;
}

TEST(MonthSchedule, EveryDayIsTheDaysOwn) {
    DayCase s(fixture::kParis, 17, 1, 2007);
    PrayerDay month[31];
    ComputeMonthSchedule(s.in, 1, 2007, month, 31);
    EXPECT_EQ(month[0].weekday, 0);   // 1 January 2007 was a Monday
    EXPECT_EQ(month[30].weekday, 2);  // 31 January, a Wednesday
    for (int day : {1, 15, 31}) {
        DayCase one(fixture::kParis, day, 1, 2007);
        const PrayerDay d = one.Compute();
        EXPECT_EQ(std::memcmp(&month[day - 1].adjusted, &d.adjusted, sizeof d.adjusted), 0) << day;
        EXPECT_EQ(month[day - 1].date.Day, day);
    }
    PrayerDay untouched[1];
    untouched[0].weekday = -1;
    ComputeMonthSchedule(s.in, 1, 2007, untouched, 0);
    EXPECT_EQ(untouched[0].weekday, -1);
}

// A town whose convention is not defined finds no time, on the day and in the month, and
// keeps its clock and weekday.
TEST(DaySchedule, NoConventionFindsNoTime) {
    DayCase s(fixture::kParis, 17, 1, 2007);
    s.in.convention = nullptr;
    PrayerDay month[31];
    ComputeMonthSchedule(s.in, 1, 2007, month, 31);
    for (const PrayerDay& d : {s.Compute(), month[16]}) {
        EXPECT_EQ(d.TZeff, 1);
        EXPECT_EQ(d.weekday, 2);  // a Wednesday
        for (int k = 0; k < kSalatCount; ++k) {
            EXPECT_FALSE(d.found[k]) << k;
            EXPECT_EQ(d.adjusted[k], 0) << k;
        }
    }
}

// What the memo keeps between days follows a change of convention, rule, zone or year:
// after each change (cumulative) a kept memo gives a fresh one's bits.
TEST(DaySchedule, KeptMemoFollowsChangedInputs) {
    using Change = void (*)(DayCase&);
    const Change changes[] = {
        [](DayCase& c) { c.in.CurrentDst = 1; },  // 29 March 2025: before the last Sunday
        [](DayCase& c) { c.date.Year = 2026; },   // ... and now on it
        [](DayCase& c) { c.in.CurrentDst = 2, c.in.CurrentTimeZone = 3; },
        [](DayCase& c) { c.convention.FajrTwilightAngle = 15, c.convention.SunriseSetAngle = 0; },
        [](DayCase& c) { c.in.zone = zones::FindZone("Asia/Tehran"), c.date.Month = 4; },
        [](DayCase& c) { c.in.zone = zones::FindZone("Europe/Dublin"), c.date.Month = 1; },
    };
    EngineMemo memo;
    DayCase kept(fixture::kParis, 29, 3, 2025);
    for (std::size_t n = 1; n <= std::size(changes); ++n) {
        DayCase fresh(fixture::kParis, 29, 3, 2025);
        for (std::size_t i = 0; i < n; ++i) {
            changes[i](fresh);
        }
        changes[n - 1](kept);
        EXPECT_TRUE(SameBits(kept.Compute(&memo), fresh.Compute())) << n;
    }
}

// Unobserved, the day's solver calls run together; observed, one after another: the same
// day at every latitude (the Sun missing one pass or all of them, either way), with Isha
// from Maghrib and Hanafi Asr too.
TEST(DaySchedule, TogetherAndOneAfterAnotherGiveTheSameDay) {
    struct : ScheduleObserver {
        void After(ScheduleStep, const PrayerDay&) override {}
    } observed;
    for (int latitude = -88; latitude <= 88; latitude += 4) {
        for (int month = 1; month <= 12; ++month) {
            for (bool variant : {false, true}) {
                const fixture::Town town{double(latitude), 10.0 * month, 1, 1};
                DayCase c(town, 20, month, 2026);
                c.convention.IshaIsMaghribPlus = variant, c.convention.AsrShafi = !variant;
                c.convention.IshaMaghribMinutes = 90;
                EXPECT_TRUE(SameBits(c.Compute(), c.Compute(nullptr, &observed)))
                    << latitude << " " << month << " " << variant;
            }
        }
    }
}

}  // namespace
}  // namespace veloranth
