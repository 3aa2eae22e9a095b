// A town and convention for engine tests, set up directly.
#pragma once

#include <cstdint>
#include <cstring>
#include <tuple>
#include <utility>
#include <vector>

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

// Every field of a day, doubles as their bits: two days with the same fields are the same
// day bit for bit. A field added to PrayerDay changes its size, which stops the build here
// until the field is added too.
inline auto DayFields(const PrayerDay& d) {
    static_assert(sizeof(PrayerDay) == 336, "add PrayerDay's new field below");
    auto bits = [](double x) {
        std::uint64_t b;
        std::memcpy(&b, &x, sizeof b);
        return b;
    };
    auto times = [&](const double* t, const bool* found, int n) {
        std::vector<std::pair<std::uint64_t, bool>> v;
        for (int k = 0; k < n; ++k) {
            v.emplace_back(bits(t[k]), found[k]);
        }
        return v;
    };
    return std::tuple(d.date.Day, d.date.Month, d.date.Year, bits(d.TZeff), d.dst, d.weekday,
                      bits(d.T), times(d.exact.time, d.found.found, kSalatCount),
                      times(d.adjusted.time, d.found.found, kSalatCount),
                      times(d.shown.time, d.found.found, kSalatCount), d.moved.fajr,
                      d.moved.maghrib, d.moved.isha,
                      times(d.community.time, d.community.found, kCommunityCount),
                      times(d.community.shown, d.community.found, kCommunityCount),
                      bits(d.community.midnightTZeff), d.rules.fajr, d.rules.isha,
                      d.rules.ramadanIsha, d.polar.sunBelow, d.polar.rule, d.polar.found,
                      bits(d.polar.latitude), d.polar.date.Day, d.polar.date.Month,
                      d.polar.date.Year, d.hijri.year, d.hijri.month, d.hijri.day);
}

inline bool SameDay(const PrayerDay& a, const PrayerDay& b) {
    return DayFields(a) == DayFields(b);
}

}  // namespace veloranth::fixture
