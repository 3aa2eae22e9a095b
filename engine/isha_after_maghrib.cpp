// Isha after Maghrib by minutes, and Ramadan's minutes on its days.
#include "base/constants.h"
#include "engine/day_rules.h"

namespace veloranth {

void ApplyIshaAfterMaghrib(PrayerDay& day, const ConventionRules& k) {
    if (!k.IshaIsMaghribPlus) {
        return;
    }
    const bool ramadan = k.RamadanIshaMinutes > 0 && IsRamadan(day.hijri);
    const int minutes = ramadan ? k.RamadanIshaMinutes : k.IshaMaghribMinutes;
    day.exact[Isha] = static_cast<double>(minutes) * MinuteInHours + day.exact[Maghrib];
    day.found.found[Isha] = day.found[Maghrib];
    day.rules.isha = TimeRule::Minutes;
    day.rules.ramadanIsha = ramadan;
}

}  // namespace veloranth
