// A town and convention for engine tests, set up directly.
#pragma once

#include <cstring>

#include "base/constants.h"
#include "engine/day.h"
#include "engine/schedule.h"

namespace veloranth::fixture {

struct Town {
    double latitude, longitude;  // degrees
    int timeZone, dst;
};

inline const Town kParis{48.85, 2.35, 1, 0};
inline const Town kTromso{69.65, 18.96, 1, 0};

// A day at a town with the reference convention: 18 / 17 / 0.833, Shafi, no offsets.
struct DayCase {
    ObservationDate date;
    ConventionRules convention;
    DayInputs in;

    DayCase(const Town& town, int day, int month, int year) : date{day, month, year} {
        convention.FajrTwilightAngle = 18, convention.IshaTwilightAngle = 17;
        convention.SunriseSetAngle = 0.833, convention.AsrShafi = true;
        in.LatitudeRad = town.latitude * DegToRad, in.LongitudeRad = town.longitude * DegToRad;
        in.CurrentTimeZone = town.timeZone, in.CurrentDst = town.dst, in.convention = &convention;
    }
    DayCase(const DayCase&) = delete;  // `in` points at this case's convention

    PrayerDay Compute(EngineMemo* memo = nullptr, ScheduleObserver* observer = nullptr) const {
        return ComputeDaySchedule(in, date, memo, observer);
    }
};

// The whole day, bit for bit: its date, clock, weekday, times and which were found.
inline bool SameDay(const PrayerDay& a, const PrayerDay& b) {
    return !std::memcmp(&a.exact, &b.exact, sizeof a.exact) &&
           !std::memcmp(&a.adjusted, &b.adjusted, sizeof a.adjusted) &&
           !std::memcmp(&a.shown, &b.shown, sizeof a.shown) &&
           !std::memcmp(&a.found, &b.found, sizeof a.found) &&
           !std::memcmp(&a.community, &b.community, sizeof a.community) &&
           !std::memcmp(&a.rules, &b.rules, sizeof a.rules) && a.T == b.T && a.TZeff == b.TZeff &&
           a.dst == b.dst && a.weekday == b.weekday && a.date.Day == b.date.Day &&
           a.date.Month == b.date.Month && a.date.Year == b.date.Year;
}

}  // namespace veloranth::fixture
