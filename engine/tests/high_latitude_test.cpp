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
    const int variants[][2] = {{1, 0}, {2, 0}, {3, 0}, {2, 1}};  // rule, Isha after Maghrib
    int sunless = 0;
    for (const auto& town : towns) {
        for (const auto& v : variants) {
            for (int month = 1; month <= 12; ++month) {
                auto setUp = [&](fixture::DayCase& c, int rule) {
                    c.convention.HighLatitudeRule = rule;
                    c.convention.IshaIsMaghribPlus = v[1] == 1;
                    c.convention.IshaMaghribMinutes = 90;
                    c.convention.FajrOffset = 2;  // corrections come after the rule
                    c.convention.IshaOffset = -3;
                };
                fixture::DayCase ruled(town, 1, month, 2026);
                setUp(ruled, v[0]);
                PrayerTimes calendar[31];
                FoundTimes calendarFound[31];
                int weekdays[31];
                const int days = DaysInMonth(month, 2026);
                ComputeMonthSchedule(ruled.state, ruled.in, calendar, weekdays, days, calendarFound);
                for (int day = 1; day <= days; ++day) {
                    fixture::DayCase plain(town, day, month, 2026);
                    setUp(plain, 0);
                    ComputeDaySchedule(plain.state, plain.in);
                    ruled.state.date.Day = day;
                    ComputeDaySchedule(ruled.state, ruled.in);

                    const PrayerTimes& e = plain.state.exact;
                    const FoundTimes& f = plain.state.found;
                    PrayerTimes want = plain.state.adjusted;
                    FoundTimes wantFound = f;
                    const double night = e[Chourouk] + (24 - e[Maghrib]);
                    const double share[] = {0, night / 2, night / 7};
                    const double fajrShare = v[0] == 3 ? night * 18 / 60 : share[v[0]];
                    const double ishaShare = v[0] == 3 ? night * 17 / 60 : share[v[0]];
                    sunless += !(f[Chourouk] && f[Maghrib]);
                    if (f[Chourouk] && f[Maghrib] && (!f[Fajr] || e[Fajr] < e[Chourouk] - fajrShare)) {
                        want[Fajr] = e[Chourouk] - fajrShare + 2.0 / 60;
                        wantFound.found[Fajr] = true;
                    }
                    if (f[Chourouk] && f[Maghrib] && !v[1] &&
                        (!f[Isha] || e[Isha] > e[Maghrib] + ishaShare)) {
                        want[Isha] = e[Maghrib] + ishaShare - 3.0 / 60;
                        wantFound.found[Isha] = true;
                    }
                    for (int kind : {Fajr, Isha}) {
                        const EngineState& got = ruled.state;
                        EXPECT_EQ(ShownTime(got.adjusted, got.found, kind),
                                  ShownTime(want, wantFound, kind)) << month << "/" << day;
                        EXPECT_NEAR(got.adjusted[kind], want[kind], 1e-9);
                        EXPECT_EQ(calendar[day - 1][kind], got.adjusted[kind]);
                        EXPECT_EQ(calendarFound[day - 1][kind], got.found[kind]);
                    }
                }
            }
        }
    }
    EXPECT_GT(sunless, 60);  // Tromso's polar night and midnight sun, where "--:--" stays
}

}  // namespace
}  // namespace veloranth
