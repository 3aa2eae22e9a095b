// A time as shown to the minute: rounded, or "--:--" when the Sun does not reach the
// altitude that day, so that a missing time never looks like midnight.
#pragma once

#include <string>

#include "engine/day.h"

namespace veloranth {

inline constexpr char kNoTimeText[] = "--:--";

std::string ShownTime(const PrayerTimes& times, const FoundTimes& found, int kind);

}  // namespace veloranth
