// The prayer-time solver: the Sun's meridian transit (Zuhr) and the clock hour at which
// the Sun reaches a convention's altitude before or after it, in three fixed passes.
#pragma once

#include "engine/day.h"
#include "engine/latitude.h"
#include "engine/sun.h"

namespace veloranth {

// Status of SalatHour.
inline constexpr int kSalatFound = 0;
inline constexpr int kSunAlwaysBelow = -1;
inline constexpr int kSunAlwaysAbove = 1;

// Stores the transit, in local clock hours, into the Zuhr entry of state.exact. Without
// `declination`, state.solar.delta is left as it was, for a caller that overwrites it
// before anyone reads it.
void ComputeTransit(EngineState& state, const DayInputs& in, bool declination = true);

// The Sun at the first pass's instant, the transit, which is the same for every event of
// a day: computed by the first SalatHour call of the day and read by the others.
struct FirstPass {
    double utHour = -1e300;  // none yet
    double T, lambda;
    SunDeclination dec;
    double sinDelta, cosDelta;
};

// Local clock hour of the event `kind` (never Zuhr) into `hours`; reads the transit from
// state.exact[Zuhr], and the latitude's sine and cosine from `phi` (once per day).
// Returns kSalatFound, kSunAlwaysBelow or kSunAlwaysAbove; on failure `hours` keeps what
// the last successful pass left (0.0 when the first pass fails). With `firstPass`, the
// Sun's first-pass position is shared between the day's calls. Without `rightAscension`,
// state.solar.RA is left as it was, for a caller whose next call overwrites it anyway.
int SalatHour(EngineState& state, const DayInputs& in, const Latitude& phi, int kind,
              double& hours, FirstPass* firstPass = nullptr, bool rightAscension = true);

}  // namespace veloranth
