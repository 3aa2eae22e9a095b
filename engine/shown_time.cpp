#include "engine/shown_time.h"

#include <cmath>
#include <cstring>

#include "engine/format.h"

namespace veloranth {

std::string ClockTime(double hours) {
    double inDay = std::fmod(hours, 24.0);
    if (inDay < 0) {
        inDay += 24.0;
    }
    FormattedText shown = FormatHoursRounded(inDay);
    return std::strcmp(shown.text, kRoundingErrorText) == 0 ? "00:00" : shown.text;
}

std::string ShownTime(const PrayerTimes& times, const FoundTimes& found, int kind) {
    return found[kind] ? ClockTime(times[kind]) : kNoTimeText;
}

std::string ShownTime(const CommunityTimes& times, int kind) {
    return times.found[kind] ? ClockTime(times.shown[kind]) : kNoTimeText;
}

}  // namespace veloranth
