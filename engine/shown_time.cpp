#include "engine/shown_time.h"

#include "engine/format.h"

namespace veloranth {

std::string ShownTime(const PrayerTimes& times, const FoundTimes& found, int kind) {
    return found[kind] ? FormatHoursRounded(times[kind]).text : kNoTimeText;
}

}  // namespace veloranth
