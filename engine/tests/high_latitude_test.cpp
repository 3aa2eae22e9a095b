// The high-latitude rules against their definition, applied here on its own to the
// engine's exact sunrise and sunset (the day computed without a rule), for Oslo, London,
// Stockholm, Reykjavik and Tromso on every day of 2026: the day's schedule (report,
// window, plug-in) and the month's (calendars) alike.
#include <gtest/gtest.h>

#include "base/calendar_date.h"
#include "engine/format.h"
#include "engine/schedule.h"
#include "engine/shown_time.h"
#include "engine/tests/engine_fixture.h"

namespace veloranth {
namespace {

TEST(HighLatitudeRule, BoundsFajrAndIshaAsDefinedAllYearUpNorth) {
    const fixture::Town towns[] = {{59.91, 10.75, 1, 1}, {51.51, -0.13, 0, 1}, {59.33, 18.07, 1, 1},
                                   {64.15, -21.94, 0, 0}, fixture::kTromso};
    int sunless = 0;
    for (const auto& town : towns) {
        for (int variant = 1; variant <= 4; ++variant) {  // 4: rule 2, Isha after Maghrib
            const int rule = variant == 4 ? 2 : variant;
            for (int month = 1; month <= 12; ++month) {
                fixture::DayCase ruled(town, 1, month, 2026), plain(town, 1, month, 2026);
                for (fixture::DayCase* c : {&ruled, &plain}) {
                    c->convention.IshaIsMaghribPlus = variant == 4;
                    c->convention.IshaMaghribMinutes = 90;
                    c->convention.FajrOffset = 2;  // corrections come after the rule
                    c->convention.IshaOffset = -3;
                }
                ruled.convention.HighLatitudeRule = rule;
                PrayerTimes calendar[31];
                int weekdays[31];
                const int days = DaysInMonth(month, 2026);
                ComputeMonthSchedule(ruled.state, ruled.in, calendar, weekdays, days);
                for (int day = 1; day <= days; ++day) {
                    plain.state.date.Day = ruled.state.date.Day = day;
                    ComputeDaySchedule(plain.state, plain.in);
                    ComputeDaySchedule(ruled.state, ruled.in);

                    const PrayerTimes& e = plain.state.exact;
                    const FoundTimes& f = plain.state.found;
                    PrayerTimes want = plain.state.adjusted;
                    FoundTimes wantFound = f;
                    const bool night = f[Chourouk] && f[Maghrib];
                    sunless += !night;
                    const double length = e[Chourouk] + (24 - e[Maghrib]);
                    const double fajrSpan = rule == 3 ? length * 18 / 60 : length / (rule == 1 ? 2 : 7);
                    const double ishaSpan = rule == 3 ? length * 17 / 60 : fajrSpan;
                    if (night && (!f[Fajr] || e[Fajr] < e[Chourouk] - fajrSpan)) {
                        want[Fajr] = e[Chourouk] - fajrSpan + 2.0 / 60;
                        wantFound.found[Fajr] = true;
                    }
                    if (night && variant != 4 && (!f[Isha] || e[Isha] > e[Maghrib] + ishaSpan)) {
                        want[Isha] = e[Maghrib] + ishaSpan - 3.0 / 60;
                        wantFound.found[Isha] = true;
                    }
                    for (int kind : {Fajr, Isha}) {
                        EXPECT_EQ(ShownTime(ruled.state.adjusted, ruled.state.found, kind),
                                  ShownTime(want, wantFound, kind)) << month << "/" << day;
                        EXPECT_NEAR(ruled.state.adjusted[kind], want[kind], 1e-9);
                        EXPECT_EQ(calendar[day - 1][kind], ruled.state.adjusted[kind]);
                    }
                }
            }
        }
    }
    EXPECT_GT(sunless, 60);  // Tromso's polar night and midnight sun, where "--:--" stays
}

}  // namespace
}  // namespace veloranth
