// The communities' settings where the peers do not reach: Ramadan's Isha by the Hijri date,
// midnight across a change of the clock, and the rounding of the shown minute.
#include <gtest/gtest.h>

#include "base/truncate.h"
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
                 {nullptr, {28, 3, 2026}, 0, "00:05"},  // the rule changes at 01:00 UT too
                 {"Europe/London", {24, 10, 2026}, 1, "00:45"},
                 {nullptr, {24, 10, 2026}, 1, "00:45"}};  // 23:45 UT, summer time still
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

// Safe, in a day: Chourouk and Imsak down (06:58:44, 05:22:41), the others up, the sunset on
// its minute (18:55:00) and a fixed Zuhr on the minute stay.
TEST(Rounding, AppliedToTheFinishedDay) {
    DayCase algiers({36.7323, 3.0875, 1, 0}, 15, 3, 2026);
    algiers.convention.ZuhrFixe = true, algiers.convention.ZuhrHour = 12 + 5 * MinuteInHours;
    algiers.convention.MaghribOffset = 3, algiers.convention.Rounding = kRoundSafe;
    const PrayerDay d = ComputeDayWithMidnight(algiers.in, algiers.date);
    const char* const shown[] = {"05:33", "06:58", "12:05", "16:20", "18:58", "20:17",
                                 "05:22", "18:55", "00:57"};
    for (int k = 0; k < kSalatCount + kCommunityCount; ++k) {
        const CommunityTimes& c = d.community;
        EXPECT_EQ(k < 6 ? ShownTime(d.shown, d.found, k) : ShownTime(c, k - 6), shown[k]) << k;
    }
    // Every minute of a day, rounded up from 20 s into the minute before, truncates to itself
    // as the reminders read it, whatever the last bits of the division by 60.
    for (int minute = 1; minute < 1440; ++minute) {
        const double early = (minute * 60 - 40) / 3600.0;
        EXPECT_EQ(TruncToInt(60 * ShownHours(early, kRoundUp, false)), minute) << minute;
    }
}

}  // namespace
}  // namespace veloranth
