// The polar rules: the times of a day on which the Sun does not rise or does not set, from
// the nearest latitude or the nearest date on which it does both.
#include <cmath>

#include "base/calendar_date.h"
#include "base/constants.h"
#include "engine/day_rules.h"
#include "engine/schedule.h"
#include "engine/town_clock.h"

namespace veloranth {

namespace {

constexpr double kLatitudeStep = 0.5;  // degrees toward the equator, trial after trial
// Days either way. Beyond half a year no date will do: at the poles the Sun rises and sets on
// no day.
constexpr int kFarthestDay = 183;

// The first latitude, 0.5 degrees at a time toward the equator, whose day is whole:
// its day into `source`, the latitude into `polar`, and true. The same longitude, date and
// clock.
bool NearestLatitude(const ObservationDate& date, const DayInputs& in, EngineMemo& memo,
                     PrayerDay& source, PolarResult& polar) {
    const double start = in.LatitudeRad * RadToDeg;
    const double toward = start > 0 ? -kLatitudeStep : kLatitudeStep;
    DayInputs there = in;
    // To the equator at most, where an ordinary convention's every day is whole.
    for (int step = 1; step * kLatitudeStep <= std::fabs(start); ++step) {
        const double latitude = start + toward * step;
        there.LatitudeRad = latitude * DegToRad;
        source = ComputeDaySchedule(there, date, &memo);
        if (WholeDay(source)) {
            polar.latitude = latitude;
            return true;
        }
    }
    return false;
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
    // The source's times on this date's clock: the same hours after the day's 0 h UT.
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
