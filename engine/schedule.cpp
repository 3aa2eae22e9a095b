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

// A zone's smallest offset of the year, kept in `memo`.
std::int32_t SmallestOffset(EngineMemo& memo, const zones::Zone* zone, int year) {
    auto& m = memo.smallest;
    if (!m.filled || m.zone != zone || m.year != year) {
        m = {zone, year, zones::SmallestOffsetOfYear(zone, year), true};
    }
    return m.seconds;
}

// ClockOn, with the year's summer-time bounds and the zone's smallest offset kept in `memo`.
LocalClock ClockOnMemo(const ObservationDate& date, const Place& place, EngineMemo& memo) {
    if (place.zone != nullptr) {
        // DaylightSavingAtLocalNoon's comparison, on the offset already looked up.
        std::int32_t seconds =
            zones::OffsetAtLocalNoon(place.zone, date.Year, date.Month, date.Day);
        return {seconds / 3600.0, seconds > SmallestOffset(memo, place.zone, date.Year)};
    }
    bool dst = place.CurrentDst != 0 && DstAppliesMemo(memo.dst, date.Year, date.Month, date.Day,
                                                       place.CurrentDst,
                                                       place.CurrentTimeZone) == 1;
    return {static_cast<double>(place.CurrentTimeZone + (dst ? 1 : 0)), dst};
}

}  // namespace

int DstApplies(int year, int month, int day, int ruleType, int timeZone) {
    EngineMemo::SummerTime summer;
    return DstAppliesMemo(summer, year, month, day, ruleType, timeZone);
}

LocalClock ClockOn(const ObservationDate& date, const Place& place) {
    EngineMemo memo;
    return ClockOnMemo(date, place, memo);
}

int WeekdayAt(double T, double TZeff) {
    return DayOfWeek(T + (TZeff + 12) * HourInCenturies);
}

namespace {

void Tell(ScheduleObserver* observer, ScheduleStep step, const PrayerDay& day) {
    if (observer != nullptr) {
        observer->After(step, day);
    }
}

// The steps after the transit, in their fixed order: the report's trace and the day's
// weekday depend on it (Asr, last, always runs the solver).
const struct {
    int kind;
    ScheduleStep step;
} kStepsAfterTransit[] = {{Chourouk, ScheduleStep::Chourouk},
                          {Maghrib, ScheduleStep::Maghrib},
                          {Fajr, ScheduleStep::Fajr},
                          {Isha, ScheduleStep::Isha},
                          {Asr, ScheduleStep::Asr}};

// Isha a number of minutes after Maghrib, where the convention says so: no solver call.
bool IshaFromMaghrib(PrayerDay& day, const ConventionRules& k, int kind) {
    if (kind != Isha || !k.IshaIsMaghribPlus) {
        return false;
    }
    day.exact[Isha] =
        static_cast<double>(k.IshaMaghribMinutes) * MinuteInHours + day.exact[Maghrib];
    day.found.found[Isha] = day.found[Maghrib];
    return true;
}

void ComputeExactTime(DayRun& run, const Latitude& phi, int kind, FirstPass& firstPass) {
    if (!IshaFromMaghrib(run.day, *run.in.convention, kind)) {
        int status = SalatHour(run, phi, kind, run.day.exact[kind], &firstPass);
        run.day.found.found[kind] = status == kSalatFound;
    }
}

// The steps' solver calls together, in the steps' order, then Isha from Maghrib where the
// convention says so.
void SolveTogether(DayRun& run, const Latitude& phi) {
    int kinds[kMaxEventsTogether], statuses[kMaxEventsTogether], count = 0;
    for (const auto& s : kStepsAfterTransit) {
        if (s.kind != Isha || !run.in.convention->IshaIsMaghribPlus) {
            kinds[count++] = s.kind;
        }
    }
    double hours[kMaxEventsTogether];
    SalatHoursTogether(run, phi, kinds, count, hours, statuses);
    for (int e = 0; e < count; ++e) {
        run.day.exact[kinds[e]] = hours[e];
        run.day.found.found[kinds[e]] = statuses[e] == kSalatFound;
    }
    IshaFromMaghrib(run.day, *run.in.convention, Isha);
}

// Bounds Fajr and Isha to a portion of the night (24 h less the day from sunrise to
// sunset) on the exact times. Without a sunrise and a sunset there is no night to share,
// so the Sun's own answer stands.
void ApplyHighLatitudeRule(PrayerDay& day, const ConventionRules& k) {
    day.moved = RuleMoves{};
    const int rule = k.HighLatitudeRule;
    if (rule < kMiddleOfTheNight || rule > kLastHighLatitudeRule || !day.found[Chourouk] ||
        !day.found[Maghrib]) {
        return;
    }
    PrayerTimes& e = day.exact;
    const double night = 24.0 - (e[Maghrib] - e[Chourouk]);
    double fajrPortion = 0.5, ishaPortion = 0.5;
    if (rule == kOneSeventh) {
        fajrPortion = ishaPortion = 1.0 / 7.0;
    } else if (rule == kTwilightAngle) {
        fajrPortion = k.FajrTwilightAngle / 60.0;
        ishaPortion = k.IshaTwilightAngle / 60.0;
    }
    const double fajrSpan = fajrPortion * night;
    if (!day.found[Fajr] || e[Chourouk] - e[Fajr] > fajrSpan) {
        e[Fajr] = e[Chourouk] - fajrSpan;
        day.found.found[Fajr] = true;
        day.moved.fajr = true;
    }
    const double ishaSpan = ishaPortion * night;
    if (!k.IshaIsMaghribPlus && (!day.found[Isha] || e[Isha] - e[Maghrib] > ishaSpan)) {
        e[Isha] = e[Maghrib] + ishaSpan;
        day.found.found[Isha] = true;
        day.moved.isha = true;
    }
}

void ComputeAdjustedTimes(PrayerDay& day, const ConventionRules& k) {
    const PrayerTimes& e = day.exact;
    PrayerTimes& a = day.adjusted;
    a[Fajr] = k.FajrOffset * MinuteInHours + e[Fajr];
    a[Chourouk] = k.ChouroukOffset * MinuteInHours + e[Chourouk];
    a[Zuhr] = k.ZuhrFixe ? k.ZuhrHour : k.ZuhrOffset * MinuteInHours + e[Zuhr];
    a[Asr] = k.AsrOffset * MinuteInHours + e[Asr];
    a[Maghrib] = k.MaghribOffset * MinuteInHours + e[Maghrib];
    a[Isha] = k.IshaOffset * MinuteInHours + e[Isha];
}

// The clock of the day's date, then the transit.
void ComputeClockAndTransit(DayRun& run, ScheduleObserver* observer) {
    const LocalClock clock = ClockOnMemo(run.day.date, run.in, run.memo);
    run.day.TZeff = clock.TZeff;
    run.day.dst = clock.dst;
    Tell(observer, ScheduleStep::Clock, run.day);
    ComputeTransit(run);
    Tell(observer, ScheduleStep::Transit, run.day);
}

// The five solver times after the transit, for a latitude already prepared: unobserved and
// untraced, the solver calls together; otherwise one after another, each step told.
void SolveTimes(DayRun& run, const Latitude& phi, ScheduleObserver* observer) {
    run.day.found.found[Zuhr] = true;
    if (observer == nullptr && run.trace == nullptr) {
        SolveTogether(run, phi);
        return;
    }
    FirstPass firstPass;
    for (const auto& s : kStepsAfterTransit) {
        ComputeExactTime(run, phi, s.kind, firstPass);
        Tell(observer, s.step, run.day);
    }
}

// The high-latitude rule and the convention's corrections.
void FinishDay(PrayerDay& day, const ConventionRules& k, ScheduleObserver* observer) {
    ApplyHighLatitudeRule(day, k);
    if (day.moved.fajr || day.moved.isha) {
        Tell(observer, ScheduleStep::HighLatitude, day);
    }
    ComputeAdjustedTimes(day, k);
    Tell(observer, ScheduleStep::Adjusted, day);
}

// A day without a convention (the town names one the file does not define) has no times:
// its clock and the transit's weekday only.
void LeaveWithoutTimes(PrayerDay& day) {
    day.weekday = WeekdayAt(day.T, day.TZeff);
    day.exact = PrayerTimes{};
    day.adjusted = PrayerTimes{};
    for (bool& found : day.found.found) {
        found = false;
    }
}

}  // namespace

PrayerDay ComputeDaySchedule(const DayInputs& in, const ObservationDate& date, EngineMemo* memo,
                             ScheduleObserver* observer, TextSink* trace) {
    EngineMemo fresh;
    PrayerDay day;
    day.date = date;
    day.hijri = HijriFromCivil(date.Year, date.Month, date.Day, in.HijriAdjustment);
    DayRun run{day, in, memo != nullptr ? *memo : fresh, trace};
    const Latitude phi(in.LatitudeRad);
    ComputeClockAndTransit(run, observer);
    if (in.convention == nullptr) {
        LeaveWithoutTimes(day);
        Tell(observer, ScheduleStep::Adjusted, day);
        return day;
    }
    SolveTimes(run, phi, observer);
    day.weekday = WeekdayAt(day.T, day.TZeff);  // the last evaluation's, Asr's
    FinishDay(day, *in.convention, observer);
    return day;
}

void ComputeMonthSchedule(const DayInputs& in, int month, int year, PrayerDay* days, int count,
                          EngineMemo* memo) {
    EngineMemo fresh;
    EngineMemo& kept = memo != nullptr ? *memo : fresh;
    const Latitude phi(in.LatitudeRad);
    for (int d = 1; d <= count; ++d) {
        PrayerDay& day = days[d - 1];
        day = PrayerDay{};
        day.date = {d, month, year};
        day.hijri = HijriFromCivil(year, month, d, in.HijriAdjustment);
        DayRun run{day, in, kept, nullptr};
        ComputeClockAndTransit(run, nullptr);
        day.weekday = WeekdayAt(day.T, day.TZeff);  // the transit's
        if (in.convention == nullptr) {
            LeaveWithoutTimes(day);
            continue;
        }
        SolveTimes(run, phi, nullptr);
        FinishDay(day, *in.convention, nullptr);
    }
}

}  // namespace veloranth
