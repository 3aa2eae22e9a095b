// The day's schedule computed in its several ways, which must agree: with a memo kept across
// days, observed or not, and as a month; the high-latitude rules where they act, and their
// own times on a few days.
#include "engine/schedule.h"

#include <gtest/gtest.h>

#include <iterator>

#include "base/calendar_date.h"
#include "engine/shown_time.h"
#include "engine/tests/engine_fixture.h"

namespace veloranth {
namespace {

using fixture::DayCase;

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
        EXPECT_TRUE(fixture::SameDay(kept.Compute(&memo), fresh.Compute())) << n;
    }
}

// Unobserved, the day's solver calls run together; observed, one after another: the same
// day at every latitude (the Sun missing one pass or all of them, either way), with Isha
// from Maghrib and Hanafi Asr too, and a Maghrib angle with the seasons or a rule.
TEST(DaySchedule, TogetherAndOneAfterAnotherGiveTheSameDay) {
    struct : ScheduleObserver {
        void After(ScheduleStep, const PrayerDay&) override {}
    } observed;
    for (int latitude = -88; latitude <= 88; latitude += 4) {
        for (int month = 1; month <= 12; ++month) {
            for (int variant = 0; variant < 3; ++variant) {
                const fixture::Town town{double(latitude), 10.0 * month, 1, 1};
                DayCase c(town, 20, month, 2026);
                c.convention.IshaIsMaghribPlus = variant == 1, c.convention.AsrShafi = variant != 1;
                c.convention.IshaMaghribMinutes = 90;
                if (variant == 2) {
                    c.convention.MaghribTwilightAngle = 4.5;
                    c.convention.HighLatitudeRule = month % 4 == 1 ? kOneSeventh : 0;
                    c.convention.SeasonalTwilight = month % 4 == 3 ? kShafaqAbyad : kNoSeason;
                }
                EXPECT_TRUE(fixture::SameDay(c.Compute(), c.Compute(nullptr, &observed)))
                    << latitude << " " << month << " " << variant;
            }
        }
    }
}

// The high-latitude rules where they act, for Oslo, London, Stockholm, Reykjavik and Tromso
// on every day of 2026: the month's schedule (calendars) agrees with the day's (report,
// window, plug-in) bit for bit, weekdays included, and the convention's corrections come
// after the rule.
TEST(HighLatitudeRule, CalendarAgreesWithTheDayAndCorrectionsComeAfter) {
    const fixture::Town towns[] = {{59.91, 10.75, 1, 1}, {51.51, -0.13, 0, 1}, {59.33, 18.07, 1, 1},
                                   {64.15, -21.94, 0, 0}, fixture::kTromso};
    int moved = 0, sunless = 0;
    for (const auto& town : towns) {
        for (int variant = 1; variant <= 4; ++variant) {  // 4: rule 2, Isha after Maghrib
            DayCase c(town, 1, 1, 2026);
            c.convention.HighLatitudeRule = variant == 4 ? 2 : variant;
            c.convention.IshaIsMaghribPlus = variant == 4;
            c.convention.IshaMaghribMinutes = 90;
            c.convention.FajrOffset = 2;
            c.convention.IshaOffset = -3;
            for (int month = 1; month <= 12; ++month) {
                PrayerDay calendar[31];
                const int days = DaysInMonth(month, 2026);
                ComputeMonthSchedule(c.in, month, 2026, calendar, days);
                for (int day = 1; day <= days; ++day) {
                    c.date = {day, month, 2026};
                    const PrayerDay d = c.Compute();
                    EXPECT_TRUE(fixture::SameDay(d, calendar[day - 1])) << month << "/" << day;
                    // The rule moves the exact time; the correction is added to it after.
                    EXPECT_NEAR(d.adjusted[Fajr] - d.exact[Fajr], 2.0 / 60, 1e-12);
                    EXPECT_NEAR(d.adjusted[Isha] - d.exact[Isha], -3.0 / 60, 1e-12);
                    EXPECT_FALSE(variant == 4 && d.moved.isha);
                    moved += d.moved.fajr + d.moved.isha;
                    sunless += !(d.found[Chourouk] && d.found[Maghrib]);
                }
            }
        }
    }
    EXPECT_GT(moved, 1000);
    EXPECT_GT(sunless, 60);  // Tromso's polar night and midnight sun, where "--:--" stays
}

// Fajr and Isha as each rule gives them, 18/17 degrees, checked once against adhan 4.4.6
// with the same rule: its night runs to the next day's sunrise, ours to the same day's, and
// the times agree within a minute.
TEST(HighLatitudeRule, TimesOfEachRule) {
    const struct {
        fixture::Town town;
        ObservationDate date;
        int rule;
        const char *fajr, *isha;
    } cases[] = {
        {{59.91, 10.75, 1, 1}, {21, 6, 2026}, 1, "01:19", "01:19"},  // Oslo
        {{59.91, 10.75, 1, 1}, {21, 6, 2026}, 2, "03:10", "23:28"},
        {{59.91, 10.75, 1, 1}, {21, 6, 2026}, 3, "02:21", "00:12"},
        {{51.51, -0.13, 0, 1}, {21, 6, 2026}, 2, "03:40", "22:25"},  // London
        {{69.65, 18.96, 1, 1}, {1, 5, 2026}, 2, "02:36", "22:51"},  // Tromso
    };
    for (const auto& c : cases) {
        DayCase day(c.town, c.date.Day, c.date.Month, c.date.Year);
        day.convention.HighLatitudeRule = c.rule;
        const PrayerDay d = day.Compute();
        EXPECT_EQ(ShownTime(d.adjusted, d.found, Fajr), c.fajr) << c.town.latitude << " " << c.rule;
        EXPECT_EQ(ShownTime(d.adjusted, d.found, Isha), c.isha) << c.town.latitude << " " << c.rule;
    }
}

}  // namespace
}  // namespace veloranth
