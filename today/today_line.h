// The Today item's line: today's Fajr, Zuhr, Asr, Maghrib and Isha and the town's name,
// recomputed only when the local date changes (or after a tap).
#pragma once

#include <string>

#include "config/model.h"
#include "engine/day.h"

namespace veloranth {

inline constexpr char16_t kTodayHeading[] = u"Fajr      Zuhr     Asr   Maghrib Isha   Ville";

// Each time cut to 5 characters and padded to 6, a blank after each, then at most 10
// characters of the name ("%-6.5s %-6.5s %-6.5s %-6.5s %-6.5s %0.10s").
std::u16string ComposeTodayLine(const PrayerTimes& adjusted, const FoundTimes& found,
                                const char16_t* townName);

// The item's line and the date it was made for (0/0/0: none yet).
struct TodayItemDay {
    ObservationDate madeFor;
    std::u16string line;
};

// Brings `day.line` up to date for `today`; computes only when it was made for another
// date (or none), and then returns true.
bool UpdateTodayLine(TodayItemDay& day, const WideAppConfig& cfg, const ObservationDate& today);

// The next update makes the line again, whatever the date (a tap asks for it).
void ForgetTodayLine(TodayItemDay& day);

}  // namespace veloranth
