// A time as shown to the minute: rounded, or "--:--" when the Sun does not reach the
// altitude that day, so that a missing time never looks like midnight.
#pragma once

#include <string>

#include "engine/day.h"

namespace veloranth {

inline constexpr char kNoTimeText[] = "--:--";

// A clock time: hours outside the day wrap into it (Isha past midnight shows 00:14, a
// time before midnight of the day before shows 23:16), and a rounding that carries
// into 24:00 shows 00:00.
std::string ClockTime(double hours);

// The minute a time shows, counted from the start of its day (so 1441 for an Isha shown at
// 00:01 the next day, -44 for 23:16 the day before).
long ShownMinute(double hours);

std::string ShownTime(const PrayerTimes& times, const FoundTimes& found, int kind);
// The same for Imsak, sunset or midnight (a CommunityKind).
std::string ShownTime(const CommunityTimes& times, int kind);

}  // namespace veloranth
