// The short answers of veloranth-cli: the next prayer and the qibla.
#pragma once

#include <string>

#include "reports/main_state.h"

namespace veloranth::cli {

// 8-bit texts: the next of the five prayers after the observation time, and the qibla.
std::string NextPrayerText(const MainState& state);
std::string QiblaAnswerText(const MainState& state);

}  // namespace veloranth::cli
