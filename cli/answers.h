// The short answers of veloranth-cli: the next prayer and the qibla.
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

}  // namespace veloranth::cli
