// A day's shown times as the command line gives them: to the minute as every view shows them,
// as instants and as local clock texts.
#pragma once

#include <cstdint>
#include <string>

#include "engine/day.h"

namespace veloranth::cli {

inline constexpr int kPrayers[] = {Fajr, Zuhr, Asr, Maghrib, Isha};  // Chourouk is no prayer

// What gave a time: JSON's word for it and the text's French one.
struct RuleNames {
    const char* key;
    const char* text;
};
inline const RuleNames& RuleNamesOf(TimeRule rule) {
    static const RuleNames kNames[] = {{"angle", "angle"},
                                       {"minutes", "minutes apr\xE8s Maghrib"},
                                       {"season", "saison"},
                                       {"night", "part de la nuit"}};
    return kNames[static_cast<int>(rule)];
}

// The day's offset from UT in whole minutes (an offset with seconds, Monrovia before 1972,
// to the minute as ISO 8601 allows).
int OffsetMinutes(const PrayerDay& day);

std::int64_t DaysOf(const ObservationDate& date);

// The instant of the shown minute of decimal hours of the day, in seconds since 1970 UTC.
std::int64_t ShownInstant(const PrayerDay& day, double hours);
// The same for an entry of the shown times.
inline std::int64_t UtcSeconds(const PrayerDay& day, int kind) {
    return ShownInstant(day, day.shown[kind]);
}

// The local clock time of decimal hours of the day, "HH:MM", and its date (which a time past
// midnight moves).
std::string LocalClockText(const PrayerDay& day, double hours, ObservationDate* date = nullptr);
// The same for an entry of the shown times.
inline std::string LocalClockText(const PrayerDay& day, int kind, ObservationDate* date = nullptr) {
    return LocalClockText(day, day.shown[kind], date);
}

}  // namespace veloranth::cli
