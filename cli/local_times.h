// A day's adjusted times as the command line gives them: rounded to the minute as shown,
// as instants and as local clock texts.
#pragma once

#include <cstdint>
#include <string>

#include "engine/day.h"

namespace veloranth::cli {

inline constexpr const char* kSalatNames[kSalatCount] = {"Fajr",    "Chourouk", "Zuhr",
                                                         "Asr",     "Maghrib",  "Isha"};
inline constexpr int kPrayers[] = {Fajr, Zuhr, Asr, Maghrib, Isha};  // Chourouk is no prayer

// The day's offset from UT in whole minutes (an offset with seconds, Monrovia before 1972,
// to the minute as ISO 8601 allows).
int OffsetMinutes(const PrayerDay& day);

// The date of a day count since 1970-01-01.
ObservationDate DateOfDays(std::int64_t days);
std::int64_t DaysOf(const ObservationDate& date);

// The instant of a time of the day, in seconds since 1970 UTC.
std::int64_t UtcSeconds(const PrayerDay& day, int kind);

// The local clock time of decimal hours of the day, "HH:MM", and its date (which a time past
// midnight moves).
std::string LocalClockText(const PrayerDay& day, double hours, ObservationDate* date = nullptr);
// The same for an entry of the adjusted times.
inline std::string LocalClockText(const PrayerDay& day, int kind, ObservationDate* date = nullptr) {
    return LocalClockText(day, day.adjusted[kind], date);
}

}  // namespace veloranth::cli
