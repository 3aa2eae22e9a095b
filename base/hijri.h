// The Hijri date of a civil day: the Umm al-Qura calendar, Saudi Arabia's official one, over
// its table (1 Mouharram 1356 to the end of 1500 AH, 14 March 1937 to 16 November 2077), and
// the arithmetic (tabular) Islamic calendar with the civil epoch before and after it.
#pragma once

#include <cstdint>
#include <string>

namespace veloranth {

struct HijriDate {
    int year;   // AH
    int month;  // 1 Mouharram ... 9 Ramadan ... 12 Dhou al-hijja
    int day;    // 1 to 30
};

constexpr int kRamadan = 9;

inline bool operator==(const HijriDate& a, const HijriDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}
inline bool operator!=(const HijriDate& a, const HijriDate& b) {
    return !(a == b);
}
inline bool IsRamadan(const HijriDate& date) {
    return date.month == kRamadan;
}

// The Hijri date of a civil day counted as DaysFromCivil counts it (days since 1970-01-01).
// The Islamic day begins at sunset; this is the date whose daytime falls on the civil day, as
// printed calendars show it. Days beyond about a million years from 1970 are taken as those
// bounds.
HijriDate HijriFromDays(std::int64_t days);

// The Hijri date of a proleptic Gregorian date, shifted by `adjustment` days: the date of the
// day that many days later, for a community that begins its months by its own sighting (-1:
// one day behind Makkah). data.cfg allows -2 to +2; any value works here. Days act linearly
// (day 0 is the last day of the previous month) and months beyond 1..12 move into the
// neighbouring years.
HijriDate HijriFromCivil(int year, int month, int day, int adjustment);

// The civil day (days since 1970-01-01) whose Hijri date, shifted by `adjustment` as
// HijriFromCivil shifts it, is `date`. False for a date the calendar does not have: day 30 of
// a month of 29 days, a month outside 1 to 12, a year outside 1 to 100000.
bool DaysFromHijri(const HijriDate& date, int adjustment, std::int64_t& days);

// "1448-06-27": year, month and day zero-padded, the form of the JSON and CSV outputs.
std::string HijriIsoText(const HijriDate& date);

}  // namespace veloranth
