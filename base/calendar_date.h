// Gregorian calendar arithmetic shared by the engine, the calendars and the command line.
#pragma once

#include <cstdint>

namespace veloranth {

bool IsLeapYear(int year);

// Days of a month of the Gregorian calendar (February 29 in leap years only); 30 for a
// month number outside 1 to 12, so that a corrupt month never indexes past a table.
int DaysInMonth(int month, int year);

// Days since 1970-01-01 of a proleptic Gregorian date (month 1 to 12, any day), for any
// year an int64 holds with room to spare.
std::int64_t DaysFromCivil(std::int64_t year, int month, std::int64_t day);

// The date of a day count, DaysFromCivil's inverse.
struct CivilDate {
    std::int64_t year;
    int month;  // 1 to 12
    int day;    // 1 to 31
};
CivilDate CivilFromDays(std::int64_t days);

}  // namespace veloranth
