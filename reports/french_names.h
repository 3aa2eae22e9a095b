// French day and month names as the reports, the window and the calendars show them
// (8-bit Windows-1252: "F\xE9vrier" is Février), Gregorian and Hijri, and the Hijri date's text.
#pragma once

#include <string>

#include "base/hijri.h"

namespace veloranth {

// 0 Monday ... 6 Sunday; "?" outside.
const char* DayName(int weekday);
// 1 January ... 12 December; "?" outside.
const char* MonthName(int month);

// 1 Mouharram ... 12 Dhou al-hijja; "?" outside.
const char* HijriMonthName(int month);
// The same, shortened for a line too narrow for the full name: "Mouh." ... "Dhou al-h.".
const char* HijriMonthShortName(int month);
// The holy days of the Hijri year, in its order, with their French names.
struct HolyDay {
    int month;
    int day;
    const char* name;
};
extern const HolyDay kHolyDays[];
extern const int kHolyDayCount;
// The name of the holy day `date` is, or nullptr.
const char* HolyDayName(const HijriDate& date);

// "Lundi 8 F\xE9vrier 2027": the weekday (0 Monday), day, month and year.
std::string LongDateText(int weekday, int day, int month, int year);

// "27 Joumada ath-thania 1448".
std::string HijriDateText(const HijriDate& date);

}  // namespace veloranth
