// The day's schedule: the town's clock, the transit, the solver's times, then the rules
// applied to the solved day (engine/day_rules.h); and a whole month of it.
#pragma once

#include "engine/day.h"

namespace veloranth {

class TextSink;

// Weekday (0 Monday) of the instant T, read on a clock TZeff hours east of UT.
int WeekdayAt(double T, double TZeff);

// The steps of the day's schedule, in the fixed order they are told. Maghrib is the sunset;
// MaghribAngle is told only for a convention that takes Maghrib at an angle below it.
// Polar is told only on days without sunrise or sunset whose convention has a polar rule;
// HighLatitude only on other days, where its rule moved a time.
enum class ScheduleStep {
    Clock,
    Transit,
    Chourouk,
    Maghrib,
    MaghribAngle,
    Fajr,
    Isha,
    Asr,
    Polar,
    HighLatitude,
    Adjusted
};

// Told after each step (the prayer-time report prints between the steps this way). An
// event's step (Chourouk to Asr) is told once the day is solved and the rules that settle
// what its time is (the seasons, Isha after Maghrib) have applied, after the solver's trace
// of that event; then each rule that moves the finished times is told with its own step.
// A step's own values are final as of that step; the events' steps may see the later
// events solved already.
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
