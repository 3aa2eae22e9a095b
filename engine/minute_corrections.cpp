// The convention's minute corrections, from the exact times to the adjusted ones.
#include "base/constants.h"
#include "engine/day_rules.h"

namespace veloranth {

void ApplyMinuteCorrections(PrayerDay& day, const ConventionRules& k) {
    const PrayerTimes& e = day.exact;
    PrayerTimes& a = day.adjusted;
    a[Fajr] = k.FajrOffset * MinuteInHours + e[Fajr];
    a[Chourouk] = k.ChouroukOffset * MinuteInHours + e[Chourouk];
    a[Zuhr] = k.ZuhrFixe ? k.ZuhrHour : k.ZuhrOffset * MinuteInHours + e[Zuhr];
    a[Asr] = k.AsrOffset * MinuteInHours + e[Asr];
    a[Maghrib] = k.MaghribOffset * MinuteInHours + e[Maghrib];
    a[Isha] = k.IshaOffset * MinuteInHours + e[Isha];
    day.community.time[kImsak] = a[Fajr] - static_cast<double>(k.ImsakMinutes) * MinuteInHours;
    day.community.found[kImsak] = day.found[Fajr];
}

}  // namespace veloranth
