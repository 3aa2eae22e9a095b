// The town's own clock: an instant as the town's local date and time, and back. Each town
// keeps its clock whatever zone the machine running the command is set to.
#pragma once

#include <cstdint>

#include "engine/day.h"

namespace veloranth::cli {

struct TownTime {
    ObservationDate date;
    ObservationTime time;
};

// The offset east of UT, in seconds, of the town's clock at a UTC instant (seconds since
// 1970). A zone follows the tz database at that instant. Whole hours with a summer-time
// rule follow the engine, which decides per calendar day: the date on standard time gives
// the day, and that day's rule the offset, so the clock changes at the standard-time
// midnight that begins the first and the last day of summer time.
std::int64_t TownOffsetAt(const Place& place, std::int64_t utc);

// The town's date and time at a UTC instant.
TownTime TownTimeAt(const Place& place, std::int64_t utc);

// The instant the town's clock shows as `local`. Where it shows it twice (the hour repeated
// when summer time ends), the first; where it never shows it (the hour skipped when it
// begins), that time read on the clock before the change, as mktime() does.
std::int64_t InstantOf(const Place& place, const TownTime& local);

}  // namespace veloranth::cli
