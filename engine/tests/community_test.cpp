// The communities' settings where the peers do not reach: Ramadan's Isha by the Hijri date,
// midnight across a change of the clock, and the rounding of the shown minute.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/day_rules.h"
#include "engine/midnight.h"
#include "engine/schedule.h"
#include "engine/shown_time.h"
#include "engine/tests/engine_fixture.h"
#include "zones/zones.h"

namespace veloranth {
namespace {

using fixture::DayCase;

// Umm al-Qura's Isha: 120 minutes after Maghrib in Ramadan 1447 (18 February to 19 March
// 2026), 90 on the days either side; a community a day ahead has its Ramadan a day earlier.
TEST(RamadanIsha, FollowsTheCommunitysHijriDate) {
    const struct {
        int adjustment;
        ObservationDate before, first, last, after;
    } cases[] = {{0, {17, 2, 2026}, {18, 2, 2026}, {19, 3, 2026}, {20, 3, 2026}},
                 {1, {16, 2, 2026}, {17, 2, 2026}, {18, 3, 2026}, {19, 3, 2026}}};
    for (const auto& c : cases) {
        DayCase mecca({21.4266, 39.8256, 3, 0}, 1, 1, 2026);
        mecca.convention.IshaIsMaghribPlus = true, mecca.convention.IshaMaghribMinutes = 90;
        mecca.convention.RamadanIshaMinutes = 120;
        mecca.in.HijriAdjustment = c.adjustment;
        const ObservationDate dates[] = {c.before, c.first, c.last, c.after};
        for (int i = 0; i < 4; ++i) {
            const ObservationDate& d = dates[i];
            const PrayerDay day = ComputeDaySchedule(mecca.in, d);
            const bool ramadan = i == 1 || i == 2;
            EXPECT_NEAR(day.adjusted[Isha] - day.adjusted[Maghrib], ramadan ? 2.0 : 1.5, 1e-9)
                << c.adjustment << " " << d.Day << "/" << d.Month;
            EXPECT_EQ(day.rules.ramadanIsha, ramadan);
        }
    }
}

// Midnight is the middle of the night in elapsed time, shown on the clock of that instant:
// a zone's real clock; for whole hours and a summer-time rule, the engine's clock of the
// calendar day (the next one once standard time has reached it).
TEST(Midnight, ShownOnTheClockOfItsInstant) {
    const struct {
        const char* zone;
        ObservationDate date;
        double clock;  // hours east of UT
        const char* shown;
    } cases[] = {{"Europe/London", {28, 3, 2026}, 0, "00:05"},  // before 01:00 UT's change
                 {nullptr, {28, 3, 2026}, 1, "01:05"},          // 29 March is a summer-time day
                 {"Europe/London", {24, 10, 2026}, 1, "00:45"},
                 {nullptr, {24, 10, 2026}, 1, "00:45"}};  // 23:45 UT, still 24 October
    for (const auto& c : cases) {
        DayCase london({51.5085, -0.1257, 0, 1}, c.date.Day, c.date.Month, c.date.Year);
        london.in.zone = c.zone != nullptr ? zones::FindZone(c.zone) : nullptr;
        const PrayerDay d = ComputeDayWithMidnight(london.in, london.date);
        const PrayerDay next = ComputeDaySchedule(london.in, NextDate(london.date));
        const double start = d.community.time[kSunset] - d.TZeff;
        const double stop = 24 + next.exact[Chourouk] - next.TZeff;
        EXPECT_NEAR(d.community.time[kMidnight] - d.community.midnightTZeff, (start + stop) / 2,
                    1e-9);
        EXPECT_EQ(d.community.midnightTZeff, c.clock) << c.date.Day << "/" << c.date.Month;
        EXPECT_EQ(ClockTime(d.community.time[kMidnight]), c.shown);
    }
}

// The minute each rule shows: up past any second, down for the times that end one (safe),
// a time on the minute (to the second) on it; the clock wraps past midnight.
TEST(Rounding, EachRuleShowsItsMinute) {
    const struct {
        double hours;
        const char *nearest, *up, *down;  // down: Imsak and Chourouk under the safe rule
    } cases[] = {{12 + 4 / 60.0 + 10 / 3600.0, "12:04", "12:05", "12:04"},
                 {12 + 4 / 60.0 + 40 / 3600.0, "12:05", "12:05", "12:04"},
                 {12 + 5 / 60.0 + 0.4 / 3600, "12:05", "12:05", "12:05"},
                 {12 + 4 / 60.0 + 59.6 / 3600, "12:05", "12:05", "12:05"},
                 {23 + 59 / 60.0 + 30 / 3600.0, "00:00", "00:00", "23:59"},
                 {-10 / 3600.0, "00:00", "00:00", "23:59"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ClockTime(ShownHours(c.hours, kRoundNearest, false)), c.nearest) << c.hours;
        EXPECT_EQ(ClockTime(ShownHours(c.hours, kRoundUp, true)), c.up) << c.hours;
        EXPECT_EQ(ClockTime(ShownHours(c.hours, kRoundSafe, false)), c.up) << c.hours;
        EXPECT_EQ(ClockTime(ShownHours(c.hours, kRoundSafe, true)), c.down) << c.hours;
    }
}

// The day's shown times: the adjusted ones themselves to the nearest minute (every view as
// before); up, the next minute of each, Imsak, sunset and midnight too; safe, Chourouk and
// Imsak down. A fixed Zuhr on the minute stays on it, whatever its last bits.
TEST(Rounding, AppliedToTheFinishedDay) {
    DayCase algiers({36.7323, 3.0875, 1, 0}, 15, 3, 2026);
    algiers.convention.ZuhrFixe = true, algiers.convention.ZuhrHour = 12 + 5 * MinuteInHours;
    const auto minute = [](double hours, bool down) {
        double seconds = std::round(hours * 3600);
        return static_cast<long>(down ? std::floor(seconds / 60) : std::ceil(seconds / 60));
    };
    for (int rule : {kRoundNearest, kRoundUp, kRoundSafe}) {
        algiers.convention.Rounding = rule;
        const PrayerDay d = ComputeDayWithMidnight(algiers.in, algiers.date);
        for (int k = 0; k < kSalatCount; ++k) {
            const bool down = rule == kRoundSafe && k == Chourouk;
            if (rule == kRoundNearest) {
                EXPECT_EQ(d.shown[k], d.adjusted[k]);
            } else {
                EXPECT_EQ(std::lround(std::floor(d.shown[k] * 60)), minute(d.adjusted[k], down))
                    << rule << " " << k;
            }
        }
        for (int k = 0; k < kCommunityCount; ++k) {
            const double time = d.community.time[k], shown = d.community.shown[k];
            if (rule == kRoundNearest) {
                EXPECT_EQ(shown, time);
            } else {
                EXPECT_EQ(std::lround(std::floor(shown * 60)),
                          minute(time, rule == kRoundSafe && k == kImsak))
                    << rule << " community " << k;
            }
        }
        EXPECT_EQ(ClockTime(d.shown[Zuhr]), "12:05") << rule;
    }
}

}  // namespace
}  // namespace veloranth
