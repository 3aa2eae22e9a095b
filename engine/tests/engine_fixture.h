// A town and convention for engine tests, set up directly.
#pragma once

#include <cstring>
#include <string>
#include <utility>

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

// The same double to the last bit (a NaN included), not merely equal.
inline bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The first field in which two days differ ("" when none): every field of PrayerDay, one
// by one, doubles bit for bit. A field added to PrayerDay changes its size, which stops the
// build here until the field is compared too.
inline std::string DayDifference(const PrayerDay& a, const PrayerDay& b) {
    static_assert(sizeof(PrayerDay) == 216, "compare PrayerDay's new field below");
    const std::pair<const char*, bool> fields[] = {
        {"date", a.date.Day == b.date.Day && a.date.Month == b.date.Month &&
                     a.date.Year == b.date.Year},
        {"TZeff", SameBits(a.TZeff, b.TZeff)},
        {"dst", a.dst == b.dst},
        {"weekday", a.weekday == b.weekday},
        {"T", SameBits(a.T, b.T)},
        {"moved", a.moved.fajr == b.moved.fajr && a.moved.maghrib == b.moved.maghrib &&
                      a.moved.isha == b.moved.isha},
        {"midnightTZeff", SameBits(a.community.midnightTZeff, b.community.midnightTZeff)},
        {"rules", a.rules.fajr == b.rules.fajr && a.rules.isha == b.rules.isha &&
                      a.rules.ramadanIsha == b.rules.ramadanIsha},
        {"hijri", a.hijri == b.hijri},
    };
    for (const auto& [name, same] : fields) {
        if (!same) {
            return name;
        }
    }
    for (int k = 0; k < kSalatCount; ++k) {
        if (!SameBits(a.exact[k], b.exact[k]) || !SameBits(a.adjusted[k], b.adjusted[k]) ||
            a.found[k] != b.found[k]) {
            return "time " + std::to_string(k);
        }
    }
    for (int k = 0; k < kCommunityCount; ++k) {
        if (!SameBits(a.community.time[k], b.community.time[k]) ||
            a.community.found[k] != b.community.found[k]) {
            return "community time " + std::to_string(k);
        }
    }
    return "";
}

}  // namespace veloranth::fixture
