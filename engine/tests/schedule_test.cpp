// The month schedule and the records a day leaves for the next.
#include "engine/schedule.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace veloranth
