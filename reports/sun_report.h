// Where the Sun stands at the observation date and time: SolarState filled, the
// diagnostic lines while Verbose is non-zero, and the text of the Sun-position box.
#pragma once

#include <string>

#include "reports/main_state.h"

namespace veloranth {

class TextSink;

void SunReport(MainState& state, TextSink& out);

// SunReport, then the 8-bit text of the Sun-position box.
std::string SunBoxText(MainState& state, TextSink& out);

}  // namespace veloranth
