// The high-latitude rules against their definition, computed here on its own from the
// engine's exact sunrise and sunset (the day computed without a rule), for five towns
// between 51 and 70 degrees north on every day of 2026: the day's schedule (report,
// window, plug-in) and the month's (calendars) alike.
#include <gtest/gtest.h>

#include "base/calendar_date.h"
#include "engine/format.h"
#include "engine/schedule.h"
#include "engine/shown_time.h"
#include "engine/tests/engine_fixture.h"

namespace veloranth {
namespace {

using fixture::DayCase;

TEST(HighLatitudeRule, BoundsFajrAndIshaAsDefinedAllYearUpNorth) {
    const fixture::Town towns[] = {{59.91, 10.75, 1, 1},   // Oslo
                                   {51.51, -0.13, 0, 1},   // London
                                   {59.33, 18.07, 1, 1},   // Stockholm
                                   {64.15, -21.94, 0, 0},  // Reykjavik
                                   fixture::kTromso};
    const struct {
        int rule;
        bool ishaPlus;
    } variants[] = {{1, false}, {2, false}, {3, false}, {2, true}};
    int sunlessDays = 0;
    for (const auto& town : towns) {
        for (const auto& v : variants) {
            for (int month = 1; month <= 12; ++month) {
                auto rules = [&](DayCase& c, int rule) {
                    c.convention.HighLatitudeRule = rule;
                    c.convention.IshaIsMaghribPlus = v.ishaPlus;
                    c.convention.IshaMaghribMinutes = 90;
                    c.convention.FajrOffset = 2;  // corrections come after the rule
                    c.convention.IshaOffset = -3;
                };
                DayCase ruled(town, 1, month, 2026);
                rules(ruled, v.rule);
                const int days = DaysInMonth(month, 2026);
                PrayerTimes calendar[31];
                FoundTimes calendarFound[31];
                int weekdays[31];
                ComputeMonthSchedule(ruled.state, ruled.in, calendar, weekdays, days, calendarFound);
                for (int day = 1; day <= days; ++day) {
                    DayCase plain(town, day, month, 2026);
                    rules(plain, 0);
                    ComputeDaySchedule(plain.state, plain.in);
                    ruled.state.date.Day = day;
                    ComputeDaySchedule(ruled.state, ruled.in);

                    const PrayerTimes& e = plain.state.exact;
                    const FoundTimes& f = plain.state.found;
                    PrayerTimes want = plain.state.adjusted;
                    FoundTimes wantFound = f;
                    if (f[Chourouk] && f[Maghrib]) {
                        double night = e[Chourouk] + (24 - e[Maghrib]);
                        double fajrShare = v.rule == 1 ? night / 2 : v.rule == 2 ? night / 7 : night * 18 / 60;
                        double ishaShare = v.rule == 1 ? night / 2 : v.rule == 2 ? night / 7 : night * 17 / 60;
                        if (!f[Fajr] || e[Fajr] < e[Chourouk] - fajrShare) {
                            want[Fajr] = e[Chourouk] - fajrShare + 2.0 / 60;
                            wantFound.found[Fajr] = true;
                        }
                        if (!v.ishaPlus && (!f[Isha] || e[Isha] > e[Maghrib] + ishaShare)) {
                            want[Isha] = e[Maghrib] + ishaShare - 3.0 / 60;
                            wantFound.found[Isha] = true;
                        }
                    } else {
                        ++sunlessDays;  // no night to share: "--:--" stays
                    }
                    for (int kind : {Fajr, Isha}) {
                        const EngineState& got = ruled.state;
                        EXPECT_EQ(got.found[kind], wantFound[kind]) << month << "/" << day;
                        if (wantFound[kind]) {
                            EXPECT_NEAR(got.adjusted[kind], want[kind], 1e-9) << month << "/" << day;
                        }
                        EXPECT_EQ(ShownTime(got.adjusted, got.found, kind),
                                  wantFound[kind] ? FormatHoursRounded(want[kind]).text : "--:--");
                        EXPECT_EQ(calendar[day - 1][kind], got.adjusted[kind]);
                        EXPECT_EQ(calendarFound[day - 1][kind], got.found[kind]);
                    }
                }
            }
        }
    }
    EXPECT_GT(sunlessDays, 60);  // Tromso's polar night and midnight sun were among them
}

}  // namespace
}  // namespace veloranth
