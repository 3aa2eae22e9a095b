// The short answers of veloranth-cli: the next prayer, the qibla, and the times that follow the
// day's text with --all-times.
#pragma once

#include <cstdint>
#include <string>

#include "reports/main_state.h"

namespace veloranth::cli {

// 8-bit texts: the next of the five prayers after the instant `now` (seconds since 1970
// UTC), the time left counted in real elapsed time across midnight and any clock change,
// and the qibla. The observation date is the town's date at that instant.
std::string NextPrayerText(const MainState& state, std::int64_t now);
std::string QiblaAnswerText(const MainState& state);
// Imsak, sunset and midnight of the observation date as the box shows times, then what gave
// Fajr and Isha and whether Ramadan's Isha applied.
std::string AllTimesText(const MainState& state);

}  // namespace veloranth::cli
