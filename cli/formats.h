// The structured outputs of veloranth-cli (JSON, CSV, iCalendar) over a day, a month or a
// year.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "reports/main_state.h"

namespace veloranth::cli {

enum class Span { Day, Month, Year };

// The days of the observation date's day, month or year, each with its midnight.
std::vector<PrayerDay> ComputeSpan(const MainState& state, Span span);

// UTF-8 texts. A time the Sun does not reach is null in JSON, an empty CSV field and no
// event in iCalendar.
std::string JsonText(const MainState& state, const std::vector<PrayerDay>& days, bool oneDay);
std::string CsvText(const std::vector<PrayerDay>& days);
// `stamp`: the creation instant (seconds since 1970, UTC) for DTSTAMP.
std::string IcsText(const MainState& state, const std::vector<PrayerDay>& days,
                    std::int64_t stamp);

}  // namespace veloranth::cli
