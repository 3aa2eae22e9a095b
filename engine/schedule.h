// The day's schedule: effective time zone, transit, the five solver times in a fixed
// order, the convention's special rules and minute offsets; and a whole month of it.
#pragma once

#include "engine/day.h"

namespace veloranth {

class TextSink;

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
