// The convention's rounding of the shown times, applied to the finished day.
#include <cmath>

#include "engine/day_rules.h"

namespace veloranth {

double ShownHours(double hours, int rule, bool endsATime) {
    if (rule != kRoundUp && rule != kRoundSafe) {
        return hours;  // the formatters round to the nearest minute, as they always have
    }
    // To the second first, as the detailed report shows the time: a time on the minute
    // stays on it. One second into the minute it is shown at, every formatter, rounding or
    // truncating, shows that minute whatever the last bits of the division.
    const double seconds = std::nearbyint(hours * 3600);
    const double minute =
        rule == kRoundSafe && endsATime ? std::floor(seconds / 60) : std::ceil(seconds / 60);
    return (minute * 60 + 1) / 3600;
}

void ApplyRounding(PrayerDay& day, const ConventionRules& k) {
    for (int kind = 0; kind < kSalatCount; ++kind) {
        day.shown[kind] = ShownHours(day.adjusted[kind], k.Rounding, kind == Chourouk);
    }
    CommunityTimes& c = day.community;
    c.shown[kImsak] = ShownHours(c.time[kImsak], k.Rounding, true);
    c.shown[kSunset] = ShownHours(c.time[kSunset], k.Rounding, false);
}

}  // namespace veloranth
