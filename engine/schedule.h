// The day's schedule: effective time zone, transit, the five solver times in a fixed
// order, the convention's special rules and minute offsets; and a whole month of it.
#pragma once

#include "engine/day.h"

namespace veloranth {

// 1 when daylight-saving time applies on that date under the rule type (non-zero), else 0.
// Rule 2: last Friday of April (inclusive) to last Friday of September (exclusive); any
// other rule: last Sunday of March to last Sunday of October.
int DstApplies(int year, int month, int day, int ruleType, int timeZone);

// The town's clock on a date: its offset from UT and whether summer time makes it so. A
// town with a zone takes the zone's offset at 12:00 local time that day, and summer time
// when that offset exceeds the smallest of the year; otherwise TimeZone and the DST rule.
struct LocalClock {
    double TZeff;  // hours
    bool dst;
};
LocalClock ClockOn(const ObservationDate& date, const DayInputs& in);

// Weekday (0 Monday) of the last evaluation held in state.solar, in local time.
int ScheduleWeekday(const EngineState& state);

// The steps of the day's schedule, in the fixed order they run.
// HighLatitude is told only on days its rule moved a time.
enum class ScheduleStep {
    Clock,
    Transit,
    Chourouk,
    Maghrib,
    Fajr,
    Isha,
    Asr,
    HighLatitude,
    Adjusted
};

// Told after each step, with the records as that step left them (the prayer-time report
// prints between the steps this way).
class ScheduleObserver {
  public:
    virtual ~ScheduleObserver() = default;
    virtual void After(ScheduleStep step, const EngineState& state) = 0;
};

// Fills TZeff, the exact and adjusted PrayerTimes, their found flags and state.solar for
// the observation date.
void ComputeDaySchedule(EngineState& state, const DayInputs& in,
                        ScheduleObserver* observer = nullptr);

// Adjusted times and weekdays of days 1..count of the observation month into the arrays
// (each at least `count` long; `found` may be null). The observation date and UT hour
// are restored afterwards; the other records are those of the last day computed.
void ComputeMonthSchedule(EngineState& state, const DayInputs& in, PrayerTimes* times,
                          int* weekdays, int count, FoundTimes* found = nullptr);

}  // namespace veloranth
