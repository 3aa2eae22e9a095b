// Day and month schedules.
#include "engine/schedule.h"

#include "base/calendar_date.h"
#include "base/constants.h"
#include "engine/latitude.h"
#include "engine/solver.h"
#include "engine/timebase.h"

namespace veloranth {

namespace {

// The last day of `month` falling on `weekday`, by scanning its last seven days downward.
int LastWeekdayOfMonth(int year, int month, int weekday, double offset) {
    const int last = DaysInMonth(month, year);
    for (int d = last; d > last - 7; --d) {
        if (DayOfWeek(JulianCenturies(d, month, year, 12.0) + offset) == weekday) {
            return d;
        }
    }
    return 0;
}

// Fills the summer-time bounds of the memo's year, rule type and time zone.
void FindSummerTime(EngineMemo::SummerTime& m) {
    double offset = (m.timeZone + 12) * HourInCenturies;
    int weekday = 6;
    m.startMonth = 3, m.endMonth = 10;  // last Sundays of March and October
    if (m.ruleType == 2) {
        m.startMonth = 4, m.endMonth = 9, weekday = 4;  // last Fridays of April and September
    }
    m.startDay = LastWeekdayOfMonth(m.year, m.startMonth, weekday, offset);
    m.endDay = LastWeekdayOfMonth(m.year, m.endMonth, weekday, offset);
}

int Applies(const EngineMemo::SummerTime& m, int month, int day) {
    bool applies = (m.startMonth < month && month < m.endMonth) ||
                   (month == m.startMonth && day >= m.startDay) ||
                   (month == m.endMonth && day < m.endDay);
    return applies ? 1 : 0;
}

// DstApplies, with the year's bounds kept in `m`.
int DstAppliesMemo(EngineMemo::SummerTime& m, int year, int month, int day, int ruleType,
                   int timeZone) {
    if (!m.filled || m.year != year || m.ruleType != ruleType || m.timeZone != timeZone) {
        m.year = year, m.ruleType = ruleType, m.timeZone = timeZone, m.filled = true;
        FindSummerTime(m);
    }
    return Applies(m, month, day);
}

// ClockOn(date, in).TZeff, with the year's summer-time bounds kept in `summer`.
double OffsetOn(const ObservationDate& date, const DayInputs& in, EngineMemo::SummerTime& summer) {
    if (in.zone != nullptr) {
        return zones::OffsetAtLocalNoon(in.zone, date.Year, date.Month, date.Day) / 3600.0;
    }
    bool dst = in.CurrentDst != 0 && DstAppliesMemo(summer, date.Year, date.Month, date.Day,
                                                    in.CurrentDst, in.CurrentTimeZone) == 1;
    return static_cast<double>(in.CurrentTimeZone + (dst ? 1 : 0));
}

}  // namespace

int DstApplies(int year, int month, int day, int ruleType, int timeZone) {
    EngineMemo::SummerTime summer;
    return DstAppliesMemo(summer, year, month, day, ruleType, timeZone);
}

LocalClock ClockOn(const ObservationDate& date, const DayInputs& in) {
    if (in.zone != nullptr) {
        // DaylightSavingAtLocalNoon's comparison, on the offset already looked up.
        std::int32_t seconds = zones::OffsetAtLocalNoon(in.zone, date.Year, date.Month, date.Day);
        return {seconds / 3600.0, seconds > zones::SmallestOffsetOfYear(in.zone, date.Year)};
    }
    EngineMemo::SummerTime summer;
    double offset = OffsetOn(date, in, summer);
    return {offset, offset != in.CurrentTimeZone};
}

int ScheduleWeekday(const EngineState& state) {
    return DayOfWeek(state.solar.T + (state.TZeff + 12) * HourInCenturies);
}

namespace {

void Tell(ScheduleObserver* observer, ScheduleStep step, const EngineState& state) {
    if (observer != nullptr) {
        observer->After(step, state);
    }
}

// The steps after the transit, in their fixed order: the report's trace and the values
// left in SolarState depend on it (Asr, last, always runs the solver).
const struct {
    int kind;
    ScheduleStep step;
} kStepsAfterTransit[] = {{Chourouk, ScheduleStep::Chourouk},
                          {Maghrib, ScheduleStep::Maghrib},
                          {Fajr, ScheduleStep::Fajr},
                          {Isha, ScheduleStep::Isha},
                          {Asr, ScheduleStep::Asr}};

// Isha a number of minutes after Maghrib, where the convention says so: no solver call.
bool IshaFromMaghrib(EngineState& state, const ConventionRules& k, int kind) {
    if (kind != Isha || !k.IshaIsMaghribPlus) {
        return false;
    }
    state.exact[Isha] =
        static_cast<double>(k.IshaMaghribMinutes) * MinuteInHours + state.exact[Maghrib];
    state.found.found[Isha] = state.found[Maghrib];
    return true;
}

void ComputeExactTime(EngineState& state, const DayInputs& in, const Latitude& phi, int kind,
                      FirstPass& firstPass) {
    if (!IshaFromMaghrib(state, *in.convention, kind)) {
        int status = SalatHour(state, in, phi, kind, state.exact[kind], &firstPass);
        state.found.found[kind] = status == 0;
    }
}

// The steps' solver calls together, in the steps' order, then Isha from Maghrib where the
// convention says so.
void SolveTogether(EngineState& state, const DayInputs& in, const Latitude& phi) {
    int kinds[kMaxEventsTogether], statuses[kMaxEventsTogether], count = 0;
    for (const auto& s : kStepsAfterTransit) {
        if (s.kind != Isha || !in.convention->IshaIsMaghribPlus) {
            kinds[count++] = s.kind;
        }
    }
    double hours[kMaxEventsTogether];
    SalatHoursTogether(state, in, phi, kinds, count, hours, statuses);
    for (int e = 0; e < count; ++e) {
        state.exact[kinds[e]] = hours[e];
        state.found.found[kinds[e]] = statuses[e] == kSalatFound;
    }
    IshaFromMaghrib(state, *in.convention, Isha);
}

// Bounds Fajr and Isha to a portion of the night (24 h less the day from sunrise to
// sunset) on the exact times. Without a sunrise and a sunset there is no night to share,
// so the Sun's own answer stands.
void ApplyHighLatitudeRule(EngineState& state, const ConventionRules& k) {
    state.moved = RuleMoves{};
    const int rule = k.HighLatitudeRule;
    if (rule < kMiddleOfTheNight || rule > kLastHighLatitudeRule || !state.found[Chourouk] ||
        !state.found[Maghrib]) {
        return;
    }
    PrayerTimes& e = state.exact;
    const double night = 24.0 - (e[Maghrib] - e[Chourouk]);
    double fajrPortion = 0.5, ishaPortion = 0.5;
    if (rule == kOneSeventh) {
        fajrPortion = ishaPortion = 1.0 / 7.0;
    } else if (rule == kTwilightAngle) {
        fajrPortion = k.FajrTwilightAngle / 60.0;
        ishaPortion = k.IshaTwilightAngle / 60.0;
    }
    const double fajrSpan = fajrPortion * night;
    if (!state.found[Fajr] || e[Chourouk] - e[Fajr] > fajrSpan) {
        e[Fajr] = e[Chourouk] - fajrSpan;
        state.found.found[Fajr] = true;
        state.moved.fajr = true;
    }
    const double ishaSpan = ishaPortion * night;
    if (!k.IshaIsMaghribPlus && (!state.found[Isha] || e[Isha] - e[Maghrib] > ishaSpan)) {
        e[Isha] = e[Maghrib] + ishaSpan;
        state.found.found[Isha] = true;
        state.moved.isha = true;
    }
}

void ComputeAdjustedTimes(EngineState& state, const ConventionRules& k) {
    const PrayerTimes& e = state.exact;
    PrayerTimes& a = state.adjusted;
    a[Fajr] = k.FajrOffset * MinuteInHours + e[Fajr];
    a[Chourouk] = k.ChouroukOffset * MinuteInHours + e[Chourouk];
    a[Zuhr] = k.ZuhrFixe ? k.ZuhrHour : k.ZuhrOffset * MinuteInHours + e[Zuhr];
    a[Asr] = k.AsrOffset * MinuteInHours + e[Asr];
    a[Maghrib] = k.MaghribOffset * MinuteInHours + e[Maghrib];
    a[Isha] = k.IshaOffset * MinuteInHours + e[Isha];
}

// Everything after the transit, for a latitude already prepared: unobserved and untraced,
// the solver calls together; otherwise one after another, each step told.
void ComputeTimesAfterTransit(EngineState& state, const DayInputs& in, const Latitude& phi,
                              ScheduleObserver* observer) {
    state.found.found[Zuhr] = true;
    if (observer == nullptr && in.trace == nullptr) {
        SolveTogether(state, in, phi);
    } else {
        FirstPass firstPass;
        for (const auto& s : kStepsAfterTransit) {
            ComputeExactTime(state, in, phi, s.kind, firstPass);
            Tell(observer, s.step, state);
        }
    }
    ApplyHighLatitudeRule(state, *in.convention);
    if (state.moved.fajr || state.moved.isha) {
        Tell(observer, ScheduleStep::HighLatitude, state);
    }
    ComputeAdjustedTimes(state, *in.convention);
    Tell(observer, ScheduleStep::Adjusted, state);
}

}  // namespace

void ComputeDaySchedule(EngineState& state, const DayInputs& in, ScheduleObserver* observer) {
    const Latitude phi(in.LatitudeRad);
    state.TZeff = OffsetOn(state.date, in, state.memo.dst);
    Tell(observer, ScheduleStep::Clock, state);
    // Unobserved, the transit's declination is overwritten by the first solver pass's.
    ComputeTransit(state, in, observer != nullptr);
    Tell(observer, ScheduleStep::Transit, state);
    ComputeTimesAfterTransit(state, in, phi, observer);
}

void ComputeMonthSchedule(EngineState& state, const DayInputs& in, PrayerTimes* times,
                          int* weekdays, int count, FoundTimes* found) {
    const ObservationDate saved = state.date;
    const double savedUTHour = state.solar.UTHour;
    const Latitude phi(in.LatitudeRad);
    for (state.date.Day = 1; state.date.Day <= count; ++state.date.Day) {
        int i = state.date.Day - 1;
        state.TZeff = OffsetOn(state.date, in, state.memo.dst);
        ComputeTransit(state, in, false);
        weekdays[i] = ScheduleWeekday(state);
        ComputeTimesAfterTransit(state, in, phi, nullptr);
        times[i] = state.adjusted;
        if (found != nullptr) {
            found[i] = state.found;
        }
    }
    state.date = saved;
    state.solar.UTHour = savedUTHour;
}

}  // namespace veloranth
