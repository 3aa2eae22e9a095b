// Midnight, the end of Isha's time: halfway between sunset and the next day's sunrise
// (standard) or Fajr (Jafari). It needs the next date's schedule, so a day has it only where
// it is asked for.
#pragma once

#include "engine/day.h"

namespace veloranth {

// Sets day.community's midnight from `next`, the schedule of the following date: the
// midpoint in elapsed time of the exact sunset and the next exact sunrise or Fajr, on the
// clock in force at that instant. Not found when either is not.
void SetMidnight(PrayerDay& day, const PrayerDay& next, const DayInputs& in);

// The date after `date`.
ObservationDate NextDate(const ObservationDate& date);

// The day's schedule with its midnight (the next date is computed for it).
PrayerDay ComputeDayWithMidnight(const DayInputs& in, const ObservationDate& date,
                                 EngineMemo* memo = nullptr);

}  // namespace veloranth
