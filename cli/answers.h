// The short answers of veloranth-cli: the next prayer, the qibla, and the times that follow the
// day's text with --all-times.
#pragma once

#include <cstdint>
#include <string>

#include "reports/main_state.h"

namespace veloranth::cli {

// The next of the five prayers after the instant `now` (seconds since 1970 UTC), the time
// left counted in real elapsed time across midnight and any clock change. The observation
// date is the town's date at that instant.
struct NextPrayer {
    PrayerDay today;               // the observation date's times
    bool found = false;            // none until tomorrow evening (the Sun misses the altitudes)
    PrayerDay day;                 // the day it belongs to (Isha may fall after midnight)
    int kind = 0;                  // a SalatKind
    std::int64_t instant = 0;      // its shown minute, seconds since 1970 UTC
    std::int64_t secondsLeft = 0;  // from `now`
    bool tomorrow = false;         // it falls on the day after the observation date
    std::string clock;             // "HH:MM"
};
NextPrayer FindNextPrayer(const MainState& state, std::int64_t now);

// 8-bit texts: the next prayer as a sentence, and as the short line of a status bar
// ("Isha 18:11 (-44 min)", "Fajr 07:13 (-12 h 02)"); the qibla.
std::string NextPrayerText(const MainState& state, std::int64_t now);
std::string NextPrayerLine(const NextPrayer& next);
std::string QiblaAnswerText(const MainState& state);
// Imsak, sunset and midnight of the observation date as the box shows times, then what gave
// Fajr and Isha and whether Ramadan's Isha applied.
std::string AllTimesText(const MainState& state);

}  // namespace veloranth::cli
