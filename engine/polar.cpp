// The polar rules: the times of a day on which the Sun does not rise or does not set, from
// the nearest latitude or the nearest date on which it does both.
#include "base/calendar_date.h"
#include "base/constants.h"
#include "engine/day_rules.h"
#include "engine/schedule.h"
#include "engine/town_clock.h"

namespace veloranth {

namespace {

constexpr double kLatitudeStep = 0.5;  // degrees toward the equator, trial after trial
// Days either way. Beyond half a year no date will do: near the poles the Sun rises and sets
// on none.
constexpr int kFarthestDay = 183;

// A day the polar rules leave alone, and what they look for: the Sun rises and sets, and
// Asr falls before the sunset. Where the Sun's centre only grazes the horizon (its sunrise
// owed to the refraction) the solver may place the sunset before Asr, and the day's times
// would be out of order: such a day is taken as a polar one.
bool WholeDay(const PrayerDay& day) {
    return day.found[Chourouk] && day.community.found[kSunset] && day.found[Asr] &&
           day.exact[Asr] < day.community.time[kSunset];
}

// The first latitude, 0.5 degrees at a time toward the equator, whose day is whole:
// its day into `source`, the latitude into `polar`, and true. The same longitude, date and
// clock.
bool NearestLatitude(const ObservationDate& date, const DayInputs& in, EngineMemo& memo,
                     PrayerDay& source, PolarResult& polar) {
    const double start = in.LatitudeRad * RadToDeg;
    const double toward = start > 0 ? -kLatitudeStep : kLatitudeStep;
    DayInputs there = in;
    for (int step = 1;; ++step) {
        const double latitude = start + toward * step;
        if (latitude * start < 0) {
            return false;  // past the equator, where every day rises and sets: never
        }
        there.LatitudeRad = latitude * DegToRad;
        source = ComputeDaySchedule(there, date, &memo);
        if (WholeDay(source)) {
            polar.latitude = latitude;
            return true;
        }
    }
}

// The nearest date, before or after (before when both are as near), whose day is whole: its day
// into `source`, the date into `polar`, and true.
bool NearestDay(const ObservationDate& date, const DayInputs& in, EngineMemo& memo,
                PrayerDay& source, PolarResult& polar) {
    const std::int64_t today = DaysFromCivil(date.Year, date.Month, date.Day);
    for (int distance = 1; distance <= kFarthestDay; ++distance) {
        for (const int way : {-1, 1}) {
            source = ComputeDaySchedule(in, DateOfDays(today + way * distance), &memo);
            if (WholeDay(source)) {
                polar.date = source.date;
                return true;
            }
        }
    }
    return false;
}

}  // namespace

bool ApplyPolarRule(PrayerDay& day, const DayInputs& in, EngineMemo& memo) {
    const ConventionRules& k = *in.convention;
    if (k.PolarRule < kNearestLatitude || k.PolarRule > kLastPolarRule || WholeDay(day)) {
        return false;
    }
    // The source day is an ordinary one of the same convention, without the polar rule.
    ConventionRules ordinary = k;
    ordinary.PolarRule = kNoPolarRule;
    DayInputs inputs = in;
    inputs.convention = &ordinary;
    PrayerDay source;
    PolarResult& polar = day.polar;
    polar.rule = k.PolarRule;
    polar.found = k.PolarRule == kNearestLatitude
                      ? NearestLatitude(day.date, inputs, memo, source, polar)
                      : NearestDay(day.date, inputs, memo, source, polar);
    if (!polar.found) {
        return true;
    }
    // The source's times on this date's clock: the same instants of the day in UT.
    const double shift = day.TZeff - source.TZeff;
    for (int kind = 0; kind < kSalatCount; ++kind) {
        day.exact[kind] = source.exact[kind] + shift;
    }
    day.found = source.found;
    day.moved = source.moved;
    day.rules = source.rules;
    day.community.time[kSunset] = source.community.time[kSunset] + shift;
    day.community.found[kSunset] = source.community.found[kSunset];
    ApplyIshaAfterMaghrib(day, k);  // Ramadan's minutes on this date's Hijri day
    return true;
}

}  // namespace veloranth
