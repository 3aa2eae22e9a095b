// Midnight from two days' schedules.
#include "engine/midnight.h"

#include <cmath>
#include <cstdint>

#include "base/calendar_date.h"
#include "engine/day_rules.h"
#include "engine/schedule.h"
#include "engine/town_clock.h"

namespace veloranth {

void SetMidnight(PrayerDay& day, const PrayerDay& next, const DayInputs& in) {
    // Without a convention no sunset is found, and so no midnight.
    const int end = in.convention != nullptr && in.convention->JafariMidnight ? Fajr : Chourouk;
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
    // The clock in force at that instant, which a change during the night makes the next
    // day's.
    const std::int64_t seconds =
        DaysFromCivil(day.date.Year, day.date.Month, day.date.Day) * 86400 +
        static_cast<std::int64_t>(std::floor(middle * 3600));
    c.midnightTZeff = TownOffsetAt(in, seconds) / 3600.0;
    c.time[kMidnight] = middle + c.midnightTZeff;
    c.shown[kMidnight] = ShownHours(c.time[kMidnight], in.convention->Rounding, false);
    ApplyTimeOrder(day);
}

ObservationDate NextDate(const ObservationDate& date) {
    return DateOfDays(DaysFromCivil(date.Year, date.Month, date.Day) + 1);
}

PrayerDay ComputeDayWithMidnight(const DayInputs& in, const ObservationDate& date,
                                 EngineMemo* memo) {
    PrayerDay day = ComputeDaySchedule(in, date, memo);
    SetMidnight(day, ComputeDaySchedule(in, NextDate(date), memo), in);
    return day;
}

}  // namespace veloranth
