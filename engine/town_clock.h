// The town's clock, written once: its offset from UT on a date (the day's six times keep
// one offset per day) and at an instant (midnight, the programs' now), by a tz zone or by
// whole hours and a summer-time rule; and an instant as the town's date and time, and back.
// Each town keeps its clock whatever zone the machine running the program is set to.
#pragma once

#include <cstdint>

#include "engine/day.h"

namespace veloranth {

// 1 when daylight-saving time applies on that date under the rule type (non-zero), else 0.
// Rule 2: last Friday of April (inclusive) to last Friday of September (exclusive); any
// other rule: last Sunday of March to last Sunday of October.
int DstApplies(int year, int month, int day, int ruleType, int timeZone);

// The town's clock on a date: its offset from UT and whether summer time makes it so. A
// town with a zone takes the zone's offset at 12:00 local time that day, and summer time
// when that offset exceeds the smallest of the year; otherwise TimeZone and the DST rule.
struct LocalClock {
    double TZeff;  // hours
    bool dst;
};
LocalClock ClockOn(const ObservationDate& date, const Place& place);
// The same, with the year's summer-time bounds and the zone's smallest offset kept in `memo`.
LocalClock ClockOn(const ObservationDate& date, const Place& place, EngineMemo& memo);

// The offset east of UT, in seconds, of the town's clock at a UTC instant (seconds since
// 1970). A zone follows the tz database at that instant. Whole hours with a summer-time
// rule follow the rule's calendar days: the date on standard time gives the day, and that
// day's rule the offset, so the clock changes at the standard-time midnight that begins
// the first and the last day of summer time.
std::int64_t TownOffsetAt(const Place& place, std::int64_t utc);

// The date of a day count since 1970-01-01.
ObservationDate DateOfDays(std::int64_t days);

struct TownTime {
    ObservationDate date;
    ObservationTime time;
};

// The town's date and time at a UTC instant.
TownTime TownTimeAt(const Place& place, std::int64_t utc);

// The instant the town's clock shows as `local`. Where it shows it twice (the hour repeated
// when summer time ends), the first; where it never shows it (the hour skipped when it
// begins), that time read on the clock before the change, as mktime() does.
std::int64_t InstantOf(const Place& place, const TownTime& local);

}  // namespace veloranth
