// Day and month schedules.
#include "engine/schedule.h"

#include <cmath>

#include "base/calendar_date.h"
#include "base/constants.h"
#include "engine/latitude.h"
#include "engine/seasons.h"
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

bool HasMaghribAngle(const ConventionRules& k) {
    return k.MaghribTwilightAngle > 0;
}

// The night the high-latitude rules and the Committee's seventh share out: 24 h less the
// day from sunrise to sunset, in hours.
double NightHours(const PrayerDay& day) {
    return 24.0 - (day.community.time[kSunset] - day.exact[Chourouk]);
}

// Where a solver event's hour and status go: a SalatKind's exact entry, or the sunset.
double& HoursOf(PrayerDay& day, int event) {
    return event == kSunsetEvent ? day.community.time[kSunset] : day.exact.time[event];
}
bool& FoundOf(PrayerDay& day, int event) {
    return event == kSunsetEvent ? day.community.found[kSunset] : day.found.found[event];
}

// The events after the transit, in their fixed order, each with the step it ends: the
// report's trace and the day's weekday depend on it (Asr, last, always runs the solver).
// The Maghrib step is the sunset's; a Maghrib by angle comes after it as a step of its own.
struct Event {
    int kind;
    ScheduleStep step;
};
int EventsAfterTransit(const ConventionRules& k, Event* events) {
    int n = 0;
    events[n++] = {Chourouk, ScheduleStep::Chourouk};
    events[n++] = {HasMaghribAngle(k) ? kSunsetEvent : Maghrib, ScheduleStep::Maghrib};
    if (HasMaghribAngle(k)) {
        events[n++] = {Maghrib, ScheduleStep::MaghribAngle};
    }
    events[n++] = {Fajr, ScheduleStep::Fajr};
    events[n++] = {Isha, ScheduleStep::Isha};
    events[n++] = {Asr, ScheduleStep::Asr};
    return n;
}

// Whether the event needs the solver: not an Isha that follows Maghrib.
bool Solved(const ConventionRules& k, int kind) {
    return kind != Isha || !k.IshaIsMaghribPlus;
}

// Isha a number of minutes after Maghrib, where the convention says so; the Ramadan
// minutes on the days of Ramadan (by the community's Hijri date) where it gives them.
void IshaFromMaghrib(PrayerDay& day, const ConventionRules& k) {
    const bool ramadan = k.RamadanIshaMinutes > 0 && IsRamadan(day.hijri);
    const int minutes = ramadan ? k.RamadanIshaMinutes : k.IshaMaghribMinutes;
    day.exact[Isha] = static_cast<double>(minutes) * MinuteInHours + day.exact[Maghrib];
    day.found.found[Isha] = day.found[Maghrib];
    day.rules.isha = TimeRule::Minutes;
    day.rules.ramadanIsha = ramadan;
}

// The Committee's Fajr (Isha): the later (earlier) of the twilight angle's time and the
// season's. From 55 degrees on, a seventh of the night takes the angle's place. Both need
// the night: without a sunrise and a sunset the Sun's own answer stands.
void ApplySeason(PrayerDay& day, const DayInputs& in, int kind) {
    const ConventionRules& k = *in.convention;
    if (!day.found[Chourouk] || !day.community.found[kSunset]) {
        return;
    }
    PrayerTimes& e = day.exact;
    const double sunset = day.community.time[kSunset];
    const double latitude = in.LatitudeRad * RadToDeg;
    const bool fajr = kind == Fajr;
    TimeRule& rule = fajr ? day.rules.fajr : day.rules.isha;
    if (std::fabs(latitude) >= kCommitteeSeventhLatitude) {
        const double span = 1.0 / 7.0 * NightHours(day);
        e[kind] = fajr ? e[Chourouk] - span : sunset + span;
        day.found.found[kind] = true;
        rule = TimeRule::Night;
    }
    const double season =
        fajr ? e[Chourouk] - SeasonalFajrMinutes(latitude, day.date) * MinuteInHours
             : sunset + SeasonalIshaMinutes(k.SeasonalTwilight, latitude, day.date) * MinuteInHours;
    if (!day.found[kind] || (fajr ? season > e[kind] : season < e[kind])) {
        e[kind] = season;
        day.found.found[kind] = true;
        rule = TimeRule::Season;
    }
}

// What an event's step settles once the solver has answered: the sunset where Maghrib is
// the sunset, Fajr and Isha by the season, Isha after Maghrib.
void FinishStep(PrayerDay& day, const DayInputs& in, ScheduleStep step) {
    const ConventionRules& k = *in.convention;
    const bool seasonal = k.SeasonalTwilight != kNoSeason;
    if (step == ScheduleStep::Maghrib && !HasMaghribAngle(k)) {
        day.community.time[kSunset] = day.exact[Maghrib];
        day.community.found[kSunset] = day.found[Maghrib];
    } else if (step == ScheduleStep::Fajr && seasonal) {
        ApplySeason(day, in, Fajr);
    } else if (step == ScheduleStep::Isha && k.IshaIsMaghribPlus) {
        IshaFromMaghrib(day, k);
    } else if (step == ScheduleStep::Isha && seasonal) {
        ApplySeason(day, in, Isha);
    }
}

// The events' solver calls together, in the events' order (EventsAfterTransit's, less an Isha
// that follows Maghrib, written out: this is the path every calendar day takes), then what
// the steps settle.
void SolveTogether(DayRun& run, const Latitude& phi) {
    const ConventionRules& k = *run.in.convention;
    int kinds[kMaxEventsTogether], statuses[kMaxEventsTogether], count = 0;
    kinds[count++] = Chourouk;
    if (HasMaghribAngle(k)) {
        kinds[count++] = kSunsetEvent;
    }
    kinds[count++] = Maghrib;
    kinds[count++] = Fajr;
    if (Solved(k, Isha)) {
        kinds[count++] = Isha;
    }
    kinds[count++] = Asr;
    double hours[kMaxEventsTogether];
    SalatHours(run, phi, kinds, count, hours, statuses);
    for (int e = 0; e < count; ++e) {
        HoursOf(run.day, kinds[e]) = hours[e];
        FoundOf(run.day, kinds[e]) = statuses[e] == kSalatFound;
    }
    FinishStep(run.day, run.in, ScheduleStep::Maghrib);
    FinishStep(run.day, run.in, ScheduleStep::Fajr);
    FinishStep(run.day, run.in, ScheduleStep::Isha);
}

// Bounds Fajr, a Maghrib by angle and Isha to a portion of the night (24 h less the day
// from sunrise to sunset) on the exact times. Without a sunrise and a sunset there is no
// night to share, so the Sun's own answer stands. A seasonal convention has its own bounds.
void ApplyHighLatitudeRule(PrayerDay& day, const ConventionRules& k) {
    day.moved = RuleMoves{};
    const int rule = k.HighLatitudeRule;
    if (rule < kMiddleOfTheNight || rule > kLastHighLatitudeRule ||
        k.SeasonalTwilight != kNoSeason || !day.found[Chourouk] || !day.community.found[kSunset]) {
        return;
    }
    PrayerTimes& e = day.exact;
    const double sunset = day.community.time[kSunset];
    const double night = NightHours(day);
    double fajrPortion = 0.5, ishaPortion = 0.5, maghribPortion = 0.5;
    if (rule == kOneSeventh) {
        fajrPortion = ishaPortion = maghribPortion = 1.0 / 7.0;
    } else if (rule == kTwilightAngle) {
        fajrPortion = k.FajrTwilightAngle / 60.0;
        ishaPortion = k.IshaTwilightAngle / 60.0;
        maghribPortion = k.MaghribTwilightAngle / 60.0;
    }
    const double fajrSpan = fajrPortion * night;
    if (!day.found[Fajr] || e[Chourouk] - e[Fajr] > fajrSpan) {
        e[Fajr] = e[Chourouk] - fajrSpan;
        day.found.found[Fajr] = true;
        day.moved.fajr = true;
        day.rules.fajr = TimeRule::Night;
    }
    const double maghribSpan = maghribPortion * night;
    if (HasMaghribAngle(k) && (!day.found[Maghrib] || e[Maghrib] - sunset > maghribSpan)) {
        e[Maghrib] = sunset + maghribSpan;
        day.found.found[Maghrib] = true;
        day.moved.maghrib = true;
        if (k.IshaIsMaghribPlus) {
            IshaFromMaghrib(day, k);  // from the Maghrib so found
        }
    }
    const double ishaSpan = ishaPortion * night;
    if (!k.IshaIsMaghribPlus && (!day.found[Isha] || e[Isha] - sunset > ishaSpan)) {
        e[Isha] = sunset + ishaSpan;
        day.found.found[Isha] = true;
        day.moved.isha = true;
        day.rules.isha = TimeRule::Night;
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
    day.community.time[kImsak] = a[Fajr] - static_cast<double>(k.ImsakMinutes) * MinuteInHours;
    day.community.found[kImsak] = day.found[Fajr];
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

// The solver times after the transit, for a latitude already prepared: unobserved and
// untraced, the solver calls together; otherwise one after another, each step told.
void SolveTimes(DayRun& run, const Latitude& phi, ScheduleObserver* observer) {
    run.day.found.found[Zuhr] = true;
    if (observer == nullptr && run.trace == nullptr) {
        SolveTogether(run, phi);
        return;
    }
    const ConventionRules& k = *run.in.convention;
    Event events[kMaxEventsTogether];
    const int count = EventsAfterTransit(k, events);
    for (int e = 0; e < count; ++e) {
        const int kind = events[e].kind;
        if (Solved(k, kind)) {
            int status = SalatHour(run, phi, kind, HoursOf(run.day, kind));
            FoundOf(run.day, kind) = status == kSalatFound;
        }
        FinishStep(run.day, run.in, events[e].step);
        Tell(observer, events[e].step, run.day);
    }
}

// The high-latitude rule and the convention's corrections.
void FinishDay(PrayerDay& day, const ConventionRules& k, ScheduleObserver* observer) {
    ApplyHighLatitudeRule(day, k);
    if (day.moved.fajr || day.moved.maghrib || day.moved.isha) {
        Tell(observer, ScheduleStep::HighLatitude, day);
    }
    ComputeAdjustedTimes(day, k);
    Tell(observer, ScheduleStep::Adjusted, day);
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
    FinishDay(day, *in.convention, observer);
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
        FinishDay(day, *in.convention, nullptr);
    }
}

}  // namespace veloranth
