// Midnight from two days' schedules.
#include "engine/midnight.h"

#include <cmath>
#include <cstdint>

#include "base/calendar_date.h"
#include "engine/schedule.h"

namespace veloranth {

namespace {

// The clock (hours east of UT) in force `utHours` after the day's 0 h UT: a zone's offset at
// that instant; for a town of whole hours and a summer-time rule, which decides per calendar
// day, the next day's once its standard time has reached that day.
double ClockAt(const PrayerDay& day, const PrayerDay& next, const DayInputs& in, double utHours) {
    if (in.zone != nullptr) {
        const std::int64_t seconds =
            DaysFromCivil(day.date.Year, day.date.Month, day.date.Day) * 86400 +
            static_cast<std::int64_t>(std::floor(utHours * 3600));
        return zones::OffsetAt(in.zone, seconds).seconds / 3600.0;
    }
    return utHours + in.CurrentTimeZone >= 24 ? next.TZeff : day.TZeff;
}

}  // namespace

void SetMidnight(PrayerDay& day, const PrayerDay& next, const DayInputs& in) {
    const int end = in.convention->JafariMidnight ? Fajr : Chourouk;
    CommunityTimes& c = day.community;
    c.found[kMidnight] = c.found[kSunset] && next.found[end];
    c.time[kMidnight] = 0;
    c.midnightTZeff = day.TZeff;
    if (!c.found[kMidnight]) {
        return;
    }
    // Universal hours from the day's 0 h UT: the clocks of the two days may differ.
    const double start = c.time[kSunset] - day.TZeff;
    const double stop = next.exact[end] - next.TZeff + 24.0;
    const double middle = start + (stop - start) * 0.5;
    c.midnightTZeff = ClockAt(day, next, in, middle);
    c.time[kMidnight] = middle + c.midnightTZeff;
}

ObservationDate NextDate(const ObservationDate& date) {
    const CivilDate next = CivilFromDays(DaysFromCivil(date.Year, date.Month, date.Day) + 1);
    return {next.day, next.month, static_cast<int>(next.year)};
}

PrayerDay ComputeDayWithMidnight(const DayInputs& in, const ObservationDate& date,
                                 EngineMemo* memo) {
    PrayerDay day = ComputeDaySchedule(in, date, memo);
    SetMidnight(day, ComputeDaySchedule(in, NextDate(date), memo), in);
    return day;
}

}  // namespace veloranth
