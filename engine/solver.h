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

// The most events SalatHours takes: the day's five, and the sunset beside a Maghrib by angle.
inline constexpr int kMaxEventsTogether = 6;

// Local clock hours of the events kinds[0..count) (each a SalatKind but Zuhr, or
// kSunsetEvent; at most kMaxEventsTogether) into hours[], and their statuses (kSalatFound,
// kSunAlwaysBelow or kSunAlwaysAbove) into statuses[]. Reads the transit from
// day.exact[Zuhr], and the latitude's sine and cosine from `phi` (once per day). On failure
// an event's hours keep what its last successful pass left (0.0 when the first pass fails).
// The events share their first pass (the transit's Sun) and go pass by pass together; each
// event's trace goes to its own sink, traces[e] (traces null: silent), and reads as that
// event's passes one after another. day.T is left at the last event's last evaluation.
void SalatHours(DayRun& run, const Latitude& phi, const int* kinds, int count, double* hours,
                int* statuses, TextSink* const* traces = nullptr);

// SalatHours for one event, traced to run.trace: its status, and its hours into `hours`.
int SalatHour(DayRun& run, const Latitude& phi, int kind, double& hours);

}  // namespace veloranth
