// The day's times in their order. The solver and the rules place each time on its own, so
// a rule that cannot place one on a given day (a portion of the night at high latitude, a
// Maghrib angle the Sun barely reaches) may put it out of order: that time is then not
// found on that day rather than shown out of place.
#include <limits>

#include "base/calendar_date.h"
#include "engine/day_rules.h"

namespace veloranth {
namespace {

constexpr double kNone = std::numeric_limits<double>::infinity();

// Hours from the day's start to the end of the calendar's last day, 9999-12-31.
double HoursToTheLastDay(const ObservationDate& date) {
    const std::int64_t days =
        DaysFromCivil(9999, 12, 31) + 1 - DaysFromCivil(date.Year, date.Month, date.Day);
    return static_cast<double>(days) * 24.0;
}

// From `near` outward, each found time must not come before (`after`: after) the one before
// it in the list; one that does is not found.
void KeepOutward(PrayerDay& day, double near, std::initializer_list<int> kinds, bool after) {
    for (int k : kinds) {
        if (!day.found[k]) {
            continue;
        }
        const double t = day.adjusted[k];
        if (after ? t < near : t > near) {
            day.found.found[k] = false;
        } else {
            near = t;
        }
    }
}

}  // namespace

void ApplyTimeOrder(PrayerDay& day) {
    CommunityTimes& c = day.community;
    // A day's times lie within two days of its start: only the calendar's last year can end.
    const double end = day.date.Year < 9999 ? kNone : HoursToTheLastDay(day.date);
    for (int k = 0; k < kSalatCount; ++k) {
        day.found.found[k] = day.found[k] && day.adjusted[k] < end && day.shown[k] < end;
    }
    for (int k = 0; k < kCommunityCount; ++k) {
        c.found[k] = c.found[k] && c.time[k] < end && c.shown[k] < end;
    }
    // The transit first: the morning's times before it, the evening's after it, each rule's
    // time beyond the one nearer the transit (Fajr beyond sunrise, Isha beyond Maghrib).
    const double zuhr = day.found[Zuhr] ? day.adjusted[Zuhr] : kNone;
    KeepOutward(day, zuhr, {Chourouk, Fajr}, false);
    KeepOutward(day, day.found[Zuhr] ? zuhr : -kNone, {Asr, Maghrib, Isha}, true);
    c.found[kImsak] = c.found[kImsak] && day.found[Fajr] && c.time[kImsak] <= day.adjusted[Fajr];
    // Sunset, a reference with no correction, stands between Zuhr and Maghrib or not at all;
    // midnight comes after Maghrib in elapsed time (its clock may be the next day's).
    c.found[kSunset] = c.found[kSunset] && !(day.found[Zuhr] && c.time[kSunset] < zuhr) &&
                       !(day.found[Maghrib] && c.time[kSunset] > day.adjusted[Maghrib]);
    c.found[kMidnight] = c.found[kMidnight] &&
                         !(day.found[Maghrib] && c.time[kMidnight] - c.midnightTZeff <
                                                     day.adjusted[Maghrib] - day.TZeff);
}

}  // namespace veloranth
