// The structured outputs of veloranth-cli (JSON, CSV, iCalendar) over a day, a month or a
// year.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/answers.h"
#include "cli/options.h"
#include "reports/main_state.h"

namespace veloranth::cli {

enum class Span { Day, Month, Year, Ramadan };

// The days of the observation date's day, month or year, or of the Ramadan of its Hijri year
// (reports/calendar.h), each with its midnight.
std::vector<PrayerDay> ComputeSpan(const MainState& state, Span span);

// UTF-8 texts. A time the Sun does not reach is null in JSON, an empty CSV field and no
// event in iCalendar.
// The selected town's convention must be defined. `conventionOfFile` false: the method was
// defined on the command line, and "convention" is null.
std::string JsonText(const MainState& state, const std::vector<PrayerDay>& days, bool oneDay,
                     bool conventionOfFile);
std::string CsvText(const std::vector<PrayerDay>& days);
// --next in JSON: the place, the prayer's key, name, local time, instant and seconds left,
// whether it is tomorrow's, then what a status bar shows (Waybar's custom module reads it
// as it is): the short line, the day's six times, and a class, the prayer's key.
std::string NextPrayerJson(const MainState& state, const NextPrayer& next);
// What an iCalendar file carries besides the prayers.
struct IcsOptions {
    std::int64_t stamp = 0;           // the instant of writing (seconds since 1970, UTC)
    std::optional<int> alarmMinutes;  // a reminder that many minutes before each prayer
    bool holyDays = false;            // the span's holy days as all-day events
};
std::string IcsText(const MainState& state, const std::vector<PrayerDay>& days,
                    const IcsOptions& options);

// The holy days of the observation date's Hijri year with their civil dates, by the file's
// adjustment: 8-bit text for Format::Text, UTF-8 in the other formats.
std::string HolyDaysText(const MainState& state, Format format, std::int64_t stamp);

}  // namespace veloranth::cli
