// Where the Sun stands at the observation date and time: the diagnostic report of each
// quantity, and the text of the Sun-position box.
#pragma once

#include <string>

#include "engine/sun.h"
#include "reports/main_state.h"

namespace veloranth {

class TextSink;

// The Sun's position for the selected town at the observation date and time; every
// quantity is printed on `out` (null: silent).
SolarState SunReport(const MainState& state, TextSink* out);

// The 8-bit text of the Sun-position box, after the report on `report` (null: none).
std::string SunBoxText(const MainState& state, TextSink* report);

}  // namespace veloranth
