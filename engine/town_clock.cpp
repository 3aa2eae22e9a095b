// The town's clock from the tz database or from its hours and summer-time rule.
#include "engine/town_clock.h"

#include "base/calendar_date.h"
#include "base/constants.h"
#include "engine/timebase.h"
#include "zones/zones.h"

namespace veloranth {
namespace {

constexpr std::int64_t kDay = 86400;

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

// DstApplies, with the year's bounds kept in `m`.
int DstAppliesMemo(EngineMemo::SummerTime& m, int year, int month, int day, int ruleType,
                   int timeZone) {
    if (!m.filled || m.year != year || m.ruleType != ruleType || m.timeZone != timeZone) {
        m.year = year, m.ruleType = ruleType, m.timeZone = timeZone, m.filled = true;
        FindSummerTime(m);
    }
    bool applies = (m.startMonth < month && month < m.endMonth) ||
                   (month == m.startMonth && day >= m.startDay) ||
                   (month == m.endMonth && day < m.endDay);
    return applies ? 1 : 0;
}

// A zone's smallest offset of the year, kept in `memo`.
std::int32_t SmallestOffset(EngineMemo& memo, const zones::Zone* zone, int year) {
    auto& m = memo.smallest;
    if (!m.filled || m.zone != zone || m.year != year) {
        m = {zone, year, zones::SmallestOffsetOfYear(zone, year), true};
    }
    return m.seconds;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a >= 0 ? a / b : -((b - 1 - a) / b);
}

// The offset of a town of whole hours and a summer-time rule at a UTC instant: the one place
// that decides when such a clock changes (midnight, the programs' now and a time the user
// gives all read it here). The rule's calendar day decides: the date on standard time gives
// the day, and ClockOn's rule for that day the offset.
std::int64_t RuleOffsetAt(const Place& place, std::int64_t utc) {
    const std::int64_t standard = std::int64_t{place.CurrentTimeZone} * 3600;
    const LocalClock clock = ClockOn(DateOfDays(FloorDiv(utc + standard, kDay)), place);
    return standard + (clock.dst ? 3600 : 0);
}

// Seconds since 1970 of a local date and time, read as if it were UT.
std::int64_t LocalSeconds(const TownTime& t) {
    return DaysFromCivil(t.date.Year, t.date.Month, t.date.Day) * kDay + t.time.Hour * 3600 +
           t.time.Minute * 60 + t.time.Second;
}

}  // namespace

int DstApplies(int year, int month, int day, int ruleType, int timeZone) {
    EngineMemo::SummerTime summer;
    return DstAppliesMemo(summer, year, month, day, ruleType, timeZone);
}

LocalClock ClockOn(const ObservationDate& date, const Place& place, EngineMemo& memo) {
    if (place.zone != nullptr) {
        // DaylightSavingAtLocalNoon's comparison, on the offset already looked up.
        std::int32_t seconds =
            zones::OffsetAtLocalNoon(place.zone, date.Year, date.Month, date.Day);
        return {seconds / 3600.0, seconds > SmallestOffset(memo, place.zone, date.Year)};
    }
    bool dst =
        place.CurrentDst != 0 && DstAppliesMemo(memo.dst, date.Year, date.Month, date.Day,
                                                place.CurrentDst, place.CurrentTimeZone) == 1;
    return {static_cast<double>(place.CurrentTimeZone + (dst ? 1 : 0)), dst};
}

LocalClock ClockOn(const ObservationDate& date, const Place& place) {
    EngineMemo memo;
    return ClockOn(date, place, memo);
}

std::int64_t TownOffsetAt(const Place& place, std::int64_t utc) {
    if (place.zone != nullptr) {
        return zones::OffsetAt(place.zone, utc).seconds;
    }
    return RuleOffsetAt(place, utc);
}

ObservationDate DateOfDays(std::int64_t days) {
    const CivilDate d = CivilFromDays(days);
    return {d.day, d.month, static_cast<int>(d.year)};
}

TownTime TownTimeAt(const Place& place, std::int64_t utc) {
    const std::int64_t local = utc + TownOffsetAt(place, utc);
    const std::int64_t second = local - FloorDiv(local, kDay) * kDay;
    return {DateOfDays(FloorDiv(local, kDay)),
            {static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60),
             static_cast<int>(second % 60)}};
}

std::int64_t InstantOf(const Place& place, const TownTime& local) {
    const std::int64_t seconds = LocalSeconds(local);
    // The offsets a day either side; a clock changes at most once within them.
    const std::int64_t before = TownOffsetAt(place, seconds - kDay);
    const std::int64_t after = TownOffsetAt(place, seconds + kDay);
    for (std::int64_t offset : {before, after}) {
        if (TownOffsetAt(place, seconds - offset) == offset) {
            return seconds - offset;  // `before` first: the earlier of two readings
        }
    }
    return seconds - before;
}

}  // namespace veloranth
