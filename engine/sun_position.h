// The Sun's position for a town at an observation date and local time, as one value.
#pragma once

#include "engine/day.h"
#include "engine/sun.h"

namespace veloranth {

// The town's clock that day gives the UT hour; before the offset's hours the instant
// falls on the previous UT day (day 0 on the first of a month).
SolarState SunPositionAt(const Place& place, const ObservationDate& date,
                         const ObservationTime& time);

}  // namespace veloranth
