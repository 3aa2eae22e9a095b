#include "engine/shown_time.h"

#include <cmath>
#include <cstdio>

#include "base/truncate.h"

namespace veloranth {

long ShownMinute(double hours) {
    double inDay = std::fmod(hours, 24.0);
    if (inDay < 0) {
        inDay += 24.0;
    }
    // As the formatter rounds: whole hours and minutes truncated, then the seconds.
    const int whole = TruncToInt(inDay);
    const double m = (inDay - whole) * 60;
    const int minutes = TruncToInt(m);
    const long days = std::lround((hours - inDay) / 24.0);
    return days * 1440 + whole * 60 + minutes + ((m - minutes) * 60 >= 30.0 ? 1 : 0);
}

std::string ClockTime(double hours) {
    const long minute = ShownMinute(hours) % 1440;  // a carry into 24:00 shows 00:00
    const long inDay = minute < 0 ? minute + 1440 : minute;
    char text[8];
    std::snprintf(text, sizeof text, "%02ld:%02ld", inDay / 60, inDay % 60);
    return text;
}

std::string ShownTime(const PrayerTimes& times, const FoundTimes& found, int kind) {
    return found[kind] ? ClockTime(times[kind]) : kNoTimeText;
}

std::string ShownTime(const CommunityTimes& times, int kind) {
    return times.found[kind] ? ClockTime(times.shown[kind]) : kNoTimeText;
}

}  // namespace veloranth
