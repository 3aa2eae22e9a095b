// A town and convention for engine tests, set up directly.
#pragma once

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

}  // namespace veloranth::fixture
