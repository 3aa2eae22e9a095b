// The short answers of veloranth-cli: the next prayer, the qibla, and the times that follow the
// day's text with --all-times.
#pragma once

#include <string>

#include "reports/main_state.h"

namespace veloranth::cli {

// 8-bit texts: the next of the five prayers after the observation time, and the qibla.
std::string NextPrayerText(const MainState& state);
std::string QiblaAnswerText(const MainState& state);
// Imsak, sunset and midnight of the observation date as the box shows times, then what gave
// Fajr and Isha and whether Ramadan's Isha applied.
std::string AllTimesText(const MainState& state);

}  // namespace veloranth::cli
