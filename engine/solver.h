// The prayer-time solver: the Sun's meridian transit (Zuhr) and the clock hour at which
// the Sun reaches a convention's altitude before or after it, in three fixed passes.
#pragma once

#include "engine/day.h"
#include "engine/latitude.h"
#include "engine/sun.h"

namespace veloranth {

// A solver event besides the SalatKinds: the Sun's setting, for a convention whose Maghrib
// is taken at an angle below it (the Maghrib kind is then that angle).
inline constexpr int kSunsetEvent = kSalatCount;

// Status of SalatHour.
inline constexpr int kSalatFound = 0;
inline constexpr int kSunAlwaysBelow = -1;
inline constexpr int kSunAlwaysAbove = 1;

class TextSink;

// One day's computation under way: the day being filled (its date and TZeff set), what it
// is computed from, the values kept across days, and where the trace goes (null: silent).
struct DayRun {
    PrayerDay& day;
    const DayInputs& in;
    EngineMemo& memo;
    TextSink* trace;
};

// Stores the transit, in local clock hours, into the Zuhr entry of day.exact.
void ComputeTransit(DayRun& run);

// The Sun at a pass's instant, as the passes use it.
struct PassSun {
    double T, lambda;
    double delta;  // declination
    double sinDelta, cosDelta;
};

// The Sun at the first pass's instant, the transit, which is the same for every event of
// a day: computed by the first SalatHour call of the day and read by the others.
struct FirstPass {
    double utHour = -1e300;  // none yet
    PassSun sun;
};

// Local clock hour of the event `kind` (a SalatKind but Zuhr, or kSunsetEvent) into `hours`; reads the transit from
// day.exact[Zuhr], and the latitude's sine and cosine from `phi` (once per day).
// Returns kSalatFound, kSunAlwaysBelow or kSunAlwaysAbove; on failure `hours` keeps what
// the last successful pass left (0.0 when the first pass fails). With `firstPass`, the
// Sun's first-pass position is shared between the day's calls.
int SalatHour(DayRun& run, const Latitude& phi, int kind, double& hours,
              FirstPass* firstPass = nullptr);

// The most events SalatHoursTogether takes: the day's five, and the sunset beside a Maghrib
// by angle.
inline constexpr int kMaxEventsTogether = 6;

// SalatHour for kinds[0], kinds[1], ... (at most kMaxEventsTogether) in turn, with a shared
// first pass, for a run without a trace: each pass of every event before the next pass, so
// that the events' independent computations stand side by side and the processor overlaps
// them. Every value comes from the same inputs through the same functions: the hours,
// statuses and the day's last evaluation are the calls'.
void SalatHoursTogether(DayRun& run, const Latitude& phi, const int* kinds, int count,
                        double* hours, int* statuses);

}  // namespace veloranth
