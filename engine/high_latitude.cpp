// The high-latitude rules: where twilight lasts most of the night (or all of it), Fajr,
// a Maghrib by angle and Isha are bounded to a portion of the night.
#include "engine/day_rules.h"

namespace veloranth {

// The bounds are on the exact times, the night taken as 24 h less the day from sunrise to
// sunset. Without a sunrise and a sunset there is no night to share, so the Sun's own
// answer stands. A seasonal convention has its own bounds.
void ApplyHighLatitudeRule(PrayerDay& day, const ConventionRules& k) {
    day.moved = RuleMoves{};
    const int rule = k.HighLatitudeRule;
    if (rule < kMiddleOfTheNight || rule > kLastHighLatitudeRule ||
        k.SeasonalTwilight != kNoSeason || !day.found[Chourouk] || !day.community.found[kSunset]) {
        return;
    }
    PrayerTimes& e = day.exact;
    const double sunset = day.community.time[kSunset];
    const double night = NightHours(day);
    double fajrPortion = 0.5, ishaPortion = 0.5, maghribPortion = 0.5;
    if (rule == kOneSeventh) {
        fajrPortion = ishaPortion = maghribPortion = 1.0 / 7.0;
    } else if (rule == kTwilightAngle) {
        fajrPortion = k.FajrTwilightAngle / 60.0;
        ishaPortion = k.IshaTwilightAngle / 60.0;
        maghribPortion = k.MaghribTwilightAngle / 60.0;
    }
    const double fajrSpan = fajrPortion * night;
    if (!day.found[Fajr] || e[Chourouk] - e[Fajr] > fajrSpan) {
        e[Fajr] = e[Chourouk] - fajrSpan;
        day.found.found[Fajr] = true;
        day.moved.fajr = true;
        day.rules.fajr = TimeRule::Night;
    }
    const double maghribSpan = maghribPortion * night;
    if (HasMaghribAngle(k) && (!day.found[Maghrib] || e[Maghrib] - sunset > maghribSpan)) {
        e[Maghrib] = sunset + maghribSpan;
        day.found.found[Maghrib] = true;
        day.moved.maghrib = true;
        ApplyIshaAfterMaghrib(day, k);  // from the Maghrib so found
    }
    const double ishaSpan = ishaPortion * night;
    if (!k.IshaIsMaghribPlus && (!day.found[Isha] || e[Isha] - sunset > ishaSpan)) {
        e[Isha] = sunset + ishaSpan;
        day.found.found[Isha] = true;
        day.moved.isha = true;
        day.rules.isha = TimeRule::Night;
    }
}

}  // namespace veloranth
