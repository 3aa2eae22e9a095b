// Day numbers to Hijri dates: a lookup in the generated Umm al-Qura table where it runs,
// integer arithmetic of the tabular calendar elsewhere.
#include "base/hijri.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "base/calendar_date.h"

namespace veloranth {
namespace {

// One Umm al-Qura year: the day of its 1 Mouharram (days since 1970-01-01) and its 30-day
// months, bit 0 for Mouharram to bit 11 for Dhou al-hijja.
struct UmmAlQuraYear {
    std::int32_t firstDay;
    std::uint16_t longMonths;
};

#include "umm_al_qura.inc"

// 1 Mouharram 1 AH of the arithmetic calendar: Friday 16 July 622 (Julian), 19 July in the
// proleptic Gregorian calendar, in days since 1970-01-01 (Julian day 1948440).
constexpr std::int64_t kCivilEpoch = -492148;
// About a million years either side of 1970: Hijri years stay far inside an int.
constexpr std::int64_t kDayLimit = 400000000;

// Division rounding down, for a positive divisor: years before the epoch count too.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b < 0);
}

// Day of 1 Mouharram of a year: 354 days a year, and one more in the years 2, 5, 7, 10, 13,
// 16, 18, 21, 24, 26 and 29 of each 30-year cycle (Calendrical Calculations, "fixed from
// islamic").
std::int64_t ArithmeticYearStart(std::int64_t year) {
    return kCivilEpoch + (year - 1) * 354 + FloorDiv(3 + 11 * year, 30);
}

// The inverse (Calendrical Calculations, "islamic from fixed"): 10631 days make 30 years.
HijriDate ArithmeticDate(std::int64_t days) {
    const std::int64_t year = FloorDiv(30 * (days - kCivilEpoch) + 10646, 10631);
    const int dayOfYear = static_cast<int>(days - ArithmeticYearStart(year));
    // Months alternate 30 and 29 days from Mouharram; a leap year's extra day ends the year.
    const int month = (11 * dayOfYear + 330) / 325;
    const int day = dayOfYear - 29 * (month - 1) - month / 2 + 1;
    return {static_cast<int>(year), month, day};
}

HijriDate UmmAlQuraDate(std::int64_t days) {
    // The year whose 1 Mouharram is the last one on or before the day.
    const auto before = [](std::int64_t d, const UmmAlQuraYear& y) { return d < y.firstDay; };
    const UmmAlQuraYear* row =
        std::upper_bound(std::begin(kUmmAlQuraYears), std::end(kUmmAlQuraYears), days, before) - 1;
    int dayOfYear = static_cast<int>(days - row->firstDay);
    int month = 1;
    for (; month < 12; ++month) {
        const int length = 29 + ((row->longMonths >> (month - 1)) & 1);
        if (dayOfYear < length) {
            break;
        }
        dayOfYear -= length;
    }
    return {kUmmAlQuraFirstYear + static_cast<int>(row - kUmmAlQuraYears), month, dayOfYear + 1};
}

}  // namespace

HijriDate HijriFromDays(std::int64_t days) {
    days = std::clamp(days, -kDayLimit, kDayLimit);
    if (days >= kUmmAlQuraYears[0].firstDay && days < kUmmAlQuraEnd) {
        return UmmAlQuraDate(days);
    }
    return ArithmeticDate(days);
}

HijriDate HijriFromCivil(int year, int month, int day, int adjustment) {
    // DaysFromCivil takes months 1 to 12: others move into the neighbouring years.
    const std::int64_t monthIndex = std::int64_t{year} * 12 + (std::int64_t{month} - 1);
    const std::int64_t civilYear = FloorDiv(monthIndex, 12);
    const int civilMonth = static_cast<int>(monthIndex - civilYear * 12) + 1;
    return HijriFromDays(DaysFromCivil(civilYear, civilMonth, day) + adjustment);
}

bool DaysFromHijri(const HijriDate& date, int adjustment, std::int64_t& days) {
    if (date.year < 1 || date.year > 100000 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > 30) {
        return false;
    }
    // The arithmetic calendar's day, then the days around it: Umm al-Qura's months begin
    // within two days of the arithmetic ones.
    const std::int64_t guess =
        ArithmeticYearStart(date.year) + 29 * (date.month - 1) + date.month / 2 + date.day - 1;
    for (std::int64_t d = guess - 3; d <= guess + 3; ++d) {
        if (HijriFromDays(d) == date) {
            days = d - adjustment;
            return true;
        }
    }
    return false;
}

std::string HijriIsoText(const HijriDate& date) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

}  // namespace veloranth
