// Day and month schedules. The order of the solver calls is fixed: the report's trace
// and the values left in SolarState depend on it.
#include "engine/schedule.h"

#include "engine/constants.h"
#include "engine/solver.h"
#include "engine/timebase.h"

namespace veloranth {

namespace {

int LastDayOfMonth(int month) {
    return (month == 4 || month == 9) ? 30 : 31;
}

// The last day of `month` falling on `weekday`, by scanning its last seven days downward.
int LastWeekdayOfMonth(int year, int month, int weekday, double offset) {
    for (int d = LastDayOfMonth(month); d > LastDayOfMonth(month) - 7; --d) {
        if (DayOfWeek(JulianCenturies(d, month, year, 12.0) + offset) == weekday) {
            return d;
        }
    }
    return 0;
}

}  // namespace

int DstApplies(int year, int month, int day, int ruleType, int timeZone) {
    double offset = (timeZone + 12) * HourInCenturies;
    int startMonth = 3, endMonth = 10, weekday = 6;  // last Sundays of March and October
    if (ruleType == 2) {
        startMonth = 4, endMonth = 9, weekday = 4;  // last Fridays of April and September
    }
    int startDay = LastWeekdayOfMonth(year, startMonth, weekday, offset);
    int endDay = LastWeekdayOfMonth(year, endMonth, weekday, offset);
    bool applies = (startMonth < month && month < endMonth) ||
                   (month == startMonth && day >= startDay) || (month == endMonth && day < endDay);
    return applies ? 1 : 0;
}

int EffectiveTimeZone(const ObservationDate& date, const DayInputs& in) {
    if (in.CurrentDst != 0 &&
        DstApplies(date.Year, date.Month, date.Day, in.CurrentDst, in.CurrentTimeZone) == 1) {
        return in.CurrentTimeZone + 1;
    }
    return in.CurrentTimeZone;
}

int ScheduleWeekday(const EngineState& state) {
    return DayOfWeek(state.solar.T + (state.TZeff + 12) * HourInCenturies);
}

void ComputeExactTime(EngineState& state, const DayInputs& in, const Latitude& phi, int kind) {
    const ConventionRules& k = *in.convention;
    if (kind == Isha && k.IshaIsMaghribPlus) {
        state.exact[Isha] =
            static_cast<double>(k.IshaMaghribMinutes) * MinuteInHours + state.exact[Maghrib];
        state.found.found[Isha] = state.found[Maghrib];
        return;
    }
    int status = SalatHour(state, in, phi, kind, state.exact[kind]);
    state.found.found[kind] = status == 0;
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

namespace {

// Everything after the transit, for a latitude already prepared.
void ComputeTimesAfterTransit(EngineState& state, const DayInputs& in, const Latitude& phi) {
    state.found.found[Zuhr] = true;
    ComputeExactTime(state, in, phi, Chourouk);
    ComputeExactTime(state, in, phi, Maghrib);
    ComputeExactTime(state, in, phi, Fajr);
    ComputeExactTime(state, in, phi, Isha);
    ComputeExactTime(state, in, phi, Asr);
    ComputeAdjustedTimes(state, *in.convention);
}

}  // namespace

void ComputeDaySchedule(EngineState& state, const DayInputs& in) {
    const Latitude phi(in.LatitudeRad);
    state.TZeff = EffectiveTimeZone(state.date, in);
    ComputeTransit(state, in);
    ComputeTimesAfterTransit(state, in, phi);
}

void ComputeMonthSchedule(EngineState& state, const DayInputs& in, PrayerTimes* times,
                          int* weekdays, int count, FoundTimes* found) {
    const ObservationDate saved = state.date;
    const double savedUTHour = state.solar.UTHour;
    const Latitude phi(in.LatitudeRad);
    for (state.date.Day = 1; state.date.Day <= count; ++state.date.Day) {
        int i = state.date.Day - 1;
        state.TZeff = EffectiveTimeZone(state.date, in);
        ComputeTransit(state, in);
        weekdays[i] = ScheduleWeekday(state);
        ComputeTimesAfterTransit(state, in, phi);
        times[i] = state.adjusted;
        if (found != nullptr) {
            found[i] = state.found;
        }
    }
    state.date = saved;
    state.solar.UTHour = savedUTHour;
}

}  // namespace veloranth
