// Day and month schedules.
#include "engine/schedule.h"

#include <memory>

#include "base/constants.h"
#include "base/text_sink.h"
#include "engine/day_rules.h"
#include "engine/latitude.h"
#include "engine/solver.h"
#include "engine/timebase.h"
#include "engine/town_clock.h"

namespace veloranth {

int WeekdayAt(double T, double TZeff) {
    return DayOfWeek(T + (TZeff + 12) * HourInCenturies);
}

namespace {

void Tell(ScheduleObserver* observer, ScheduleStep step, const PrayerDay& day) {
    if (observer != nullptr) {
        observer->After(step, day);
    }
}

// Where a solver event's hour and status go: a SalatKind's exact entry, or the sunset.
double& HoursOf(PrayerDay& day, int event) {
    return event == kSunsetEvent ? day.community.time[kSunset] : day.exact.time[event];
}
bool& FoundOf(PrayerDay& day, int event) {
    return event == kSunsetEvent ? day.community.found[kSunset] : day.found.found[event];
}

// The events after the transit, listed once in their fixed order, each with the step that
// tells it: the report's trace and the day's weekday depend on it (Asr, last, always runs
// the solver). The Maghrib step is the sunset's; a Maghrib by angle comes after it as a step
// of its own. An Isha that follows Maghrib is a step without the solver.
struct Event {
    int kind;
    ScheduleStep step;
    bool solved;
};
int EventsAfterTransit(const ConventionRules& k, Event* events) {
    int n = 0;
    events[n++] = {Chourouk, ScheduleStep::Chourouk, true};
    events[n++] = {HasMaghribAngle(k) ? kSunsetEvent : Maghrib, ScheduleStep::Maghrib, true};
    if (HasMaghribAngle(k)) {
        events[n++] = {Maghrib, ScheduleStep::MaghribAngle, true};
    }
    events[n++] = {Fajr, ScheduleStep::Fajr, true};
    events[n++] = {Isha, ScheduleStep::Isha, !k.IshaIsMaghribPlus};
    events[n++] = {Asr, ScheduleStep::Asr, true};
    return n;
}

// The solver's times of the events into the day (Maghrib's is the sunset where Maghrib is
// at the sunset), with each event's trace into traces[] (null: silent).
void SolveEvents(DayRun& run, const Latitude& phi, const Event* events, int count,
                 StringSink* traces) {
    int kinds[kMaxEventsTogether] = {}, statuses[kMaxEventsTogether], solved = 0;
    TextSink* sinks[kMaxEventsTogether] = {};
    for (int i = 0; i < count; ++i) {
        if (events[i].solved) {
            sinks[solved] = traces != nullptr ? &traces[i] : nullptr;
            kinds[solved++] = events[i].kind;
        }
    }
    double hours[kMaxEventsTogether];
    SalatHours(run, phi, kinds, solved, hours, statuses, traces != nullptr ? sinks : nullptr);
    PrayerDay& day = run.day;
    day.found.found[Zuhr] = true;
    for (int e = 0; e < solved; ++e) {
        HoursOf(day, kinds[e]) = hours[e];
        FoundOf(day, kinds[e]) = statuses[e] == kSalatFound;
        if (kinds[e] == Chourouk) {
            day.polar.sunBelow = statuses[e] == kSunAlwaysBelow;
        }
    }
    // Without a sunrise no shadow is cast: the solver's Asr is no time (a polar rule may
    // give one).
    day.found.found[Asr] = day.found[Asr] && !day.polar.sunBelow;
    if (!HasMaghribAngle(*run.in.convention)) {
        day.community.time[kSunset] = day.exact[Maghrib];
        day.community.found[kSunset] = day.found[Maghrib];
    }
}

// The times after the transit: the solver's, then the rules that settle what an event's
// time is (the seasons, Isha after Maghrib). The observer is told each event's step after
// those rules, with the solver's trace of that event before it, so that the report reads as
// the events computed one after another.
void SolveTimes(DayRun& run, const Latitude& phi, ScheduleObserver* observer) {
    const ConventionRules& k = *run.in.convention;
    Event events[kMaxEventsTogether];
    const int count = EventsAfterTransit(k, events);
    std::unique_ptr<StringSink[]> traces;  // only for a traced day
    if (run.trace != nullptr) {
        traces = std::make_unique<StringSink[]>(count);
    }
    SolveEvents(run, phi, events, count, traces.get());
    ApplySeasons(run.day, run.in);
    ApplyIshaAfterMaghrib(run.day, k);
    for (int i = 0; (observer != nullptr || traces) && i < count; ++i) {
        if (traces) {
            const std::string& text = traces[i].str();
            run.trace->Write(text.data(), text.size());
        }
        Tell(observer, events[i].step, run.day);
    }
}

// The rules that move the finished times, each told: the polar rule on a day without sunrise
// or sunset, else the high-latitude rule; then the convention's corrections, its rounding
// and the order the times must keep.
void FinishDay(DayRun& run, ScheduleObserver* observer) {
    PrayerDay& day = run.day;
    const ConventionRules& k = *run.in.convention;
    if (!WholeDay(day) && ApplyPolarRule(day, run.in, run.memo)) {  // an ordinary day: no call
        Tell(observer, ScheduleStep::Polar, day);
    } else {
        ApplyHighLatitudeRule(day, k);
        if (day.moved.fajr || day.moved.maghrib || day.moved.isha) {
            Tell(observer, ScheduleStep::HighLatitude, day);
        }
    }
    ApplyMinuteCorrections(day, k);
    ApplyRounding(day, k);
    ApplyTimeOrder(day);
    Tell(observer, ScheduleStep::Adjusted, day);
}

// The clock of the day's date, then the transit.
void ComputeClockAndTransit(DayRun& run, ScheduleObserver* observer) {
    const LocalClock clock = ClockOn(run.day.date, run.in, run.memo);
    run.day.TZeff = clock.TZeff;
    run.day.dst = clock.dst;
    Tell(observer, ScheduleStep::Clock, run.day);
    ComputeTransit(run);
    Tell(observer, ScheduleStep::Transit, run.day);
}

// A day of the date with its Hijri date, nothing computed yet.
PrayerDay StartDay(const DayInputs& in, const ObservationDate& date) {
    PrayerDay day;
    day.date = date;
    day.hijri = HijriFromCivil(date.Year, date.Month, date.Day, in.HijriAdjustment);
    return day;
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
    PrayerDay day = StartDay(in, date);
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
    FinishDay(run, observer);
    return day;
}

void ComputeMonthSchedule(const DayInputs& in, int month, int year, PrayerDay* days, int count,
                          EngineMemo* memo) {
    EngineMemo fresh;
    EngineMemo& kept = memo != nullptr ? *memo : fresh;
    const Latitude phi(in.LatitudeRad);
    for (int d = 1; d <= count; ++d) {
        PrayerDay& day = days[d - 1] = StartDay(in, {d, month, year});
        DayRun run{day, in, kept, nullptr};
        ComputeClockAndTransit(run, nullptr);
        day.weekday = WeekdayAt(day.T, day.TZeff);  // the transit's
        if (in.convention == nullptr) {
            LeaveWithoutTimes(day);
            continue;
        }
        SolveTimes(run, phi, nullptr);
        FinishDay(run, nullptr);
    }
}

}  // namespace veloranth
