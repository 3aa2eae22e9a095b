// The day's schedule: effective time zone, transit, the five solver times in a fixed
// order, the convention's special rules and minute offsets; and a whole month of it.
#pragma once

#include "engine/day.h"

namespace veloranth {

class TextSink;

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
LocalClock ClockOn(const ObservationDate& date, const Place& place);

// Weekday (0 Monday) of the instant T, read on a clock TZeff hours east of UT.
int WeekdayAt(double T, double TZeff);

// The steps of the day's schedule, in the fixed order they run. Maghrib is the sunset;
// MaghribAngle is told only for a convention that takes Maghrib at an angle below it.
// HighLatitude is told only on days its rule moved a time.
enum class ScheduleStep {
    Clock,
    Transit,
    Chourouk,
    Maghrib,
    MaghribAngle,
    Fajr,
    Isha,
    Asr,
    HighLatitude,
    Adjusted
};

// Told after each step, with the day as that step left it (the prayer-time report prints
// between the steps this way).
class ScheduleObserver {
  public:
    virtual ~ScheduleObserver() = default;
    virtual void After(ScheduleStep step, const PrayerDay& day) = 0;
};

// The day's clock, times and weekday. `memo` keeps values across a caller's days (null:
// none kept); the solver's trace goes to `trace` (null: silent).
PrayerDay ComputeDaySchedule(const DayInputs& in, const ObservationDate& date,
                             EngineMemo* memo = nullptr, ScheduleObserver* observer = nullptr,
                             TextSink* trace = nullptr);

// Days 1..count of a month into days[0..count), each told its weekday by its transit.
void ComputeMonthSchedule(const DayInputs& in, int month, int year, PrayerDay* days, int count,
                          EngineMemo* memo = nullptr);

}  // namespace veloranth
