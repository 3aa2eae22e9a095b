// The structured outputs of veloranth-cli (JSON, CSV, iCalendar) over a day, a month or a
// year, and the short answers: the next prayer and the qibla.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "reports/main_state.h"

namespace veloranth::cli {

// One day's adjusted times with the clock they are given in.
struct DayRecord {
    ObservationDate date;
    int tzMinutes = 0;  // TZeff of that day, in minutes east of UT
    PrayerTimes times;
    FoundTimes found;
};

enum class Span { Day, Month, Year };

// Days of the observation date's day, month or year, computed silently; the observation
// date is left as it was.
std::vector<DayRecord> ComputeSpan(MainState& state, Span span);

// UTF-8 texts. A time the Sun does not reach is null in JSON, an empty CSV field and no
// event in iCalendar.
std::string JsonText(const MainState& state, const std::vector<DayRecord>& days, bool oneDay);
std::string CsvText(const std::vector<DayRecord>& days);
// `stamp`: the creation instant (seconds since 1970, UTC) for DTSTAMP.
std::string IcsText(const MainState& state, const std::vector<DayRecord>& days, std::int64_t stamp);

// 8-bit texts: the next of the five prayers after the observation time, and the qibla.
std::string NextPrayerText(MainState& state);
std::string QiblaAnswerText(MainState& state);

}  // namespace veloranth::cli
