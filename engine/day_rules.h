// The rules that move a day's times once the solver has found them, each in a file of its
// own. The day's schedule applies them to the solved day in the order they stand here.
#pragma once

#include "engine/day.h"

namespace veloranth {

// The night the high-latitude rules and the Committee's seventh share out: 24 h less the
// day from sunrise to sunset, in hours.
inline double NightHours(const PrayerDay& day) {
    return 24.0 - (day.community.time[kSunset] - day.exact[Chourouk]);
}

// The Committee's seasons (seasons.cpp), for a convention that keeps them: Fajr (Isha) is
// the later (earlier) of the twilight angle's time and the season's; from 55 degrees on, a
// seventh of the night takes the angle's place. An Isha that follows Maghrib keeps to it.
// Both need the night: without a sunrise and a sunset the Sun's own answer stands.
void ApplySeasons(PrayerDay& day, const DayInputs& in);

// Isha a number of minutes after Maghrib where the convention says so, the Ramadan minutes
// on the days of Ramadan (by the community's Hijri date) where it gives them
// (isha_after_maghrib.cpp).
void ApplyIshaAfterMaghrib(PrayerDay& day, const ConventionRules& k);

// A day the polar rules leave alone, and what they look for: the Sun rises and sets, and
// Asr falls before the sunset. Where the Sun's centre only grazes the horizon (its sunrise
// owed to the refraction) the solver may place the sunset before Asr, and the day's times
// would be out of order: such a day is taken as a polar one.
inline bool WholeDay(const PrayerDay& day) {
    return day.found[Chourouk] && day.community.found[kSunset] && day.found[Asr] &&
           day.exact[Asr] < day.community.time[kSunset];
}

// The convention's polar rule (polar.cpp), on a day that is not whole: every time of the
// nearest latitude toward the equator, or of the nearest date, whose day is whole, computed
// there with the convention. True when the rule applied (told in day.polar, found or not);
// the high-latitude rule is then the source day's own.
bool ApplyPolarRule(PrayerDay& day, const DayInputs& in, EngineMemo& memo);

// The high-latitude rule (high_latitude.cpp): Fajr, a Maghrib by angle and Isha bounded to
// a portion of the night, on the exact times; day.moved says which it moved.
void ApplyHighLatitudeRule(PrayerDay& day, const ConventionRules& k);

// The convention's minute corrections (minute_corrections.cpp): the adjusted times from the
// exact ones, Zuhr at its fixed hour where the convention says so, and Imsak before the
// adjusted Fajr.
void ApplyMinuteCorrections(PrayerDay& day, const ConventionRules& k);

// The convention's rounding (rounding.cpp): the times as shown to the minute, from the
// adjusted ones, Imsak and the sunset too.
void ApplyRounding(PrayerDay& day, const ConventionRules& k);

// A time as shown under a RoundingRule (`endsATime`: Imsak or Chourouk, which the safe
// rule rounds down). To the nearest minute it is the time itself, which the formatters
// round; up or down, it is a time one second into the minute it is shown at.
double ShownHours(double hours, int rule, bool endsATime);

// The times in their order (time_order.cpp): Imsak, Fajr, Chourouk, Zuhr, Asr, Maghrib,
// Isha, sunset between Zuhr and Maghrib and midnight after Maghrib in elapsed time; equal
// times keep their place. Outward from the transit, a time out of place is not found that
// day, and so is any time past the calendar's last day, 9999-12-31. Applied last, after the
// rounding, and again once midnight is known.
void ApplyTimeOrder(PrayerDay& day);

}  // namespace veloranth
