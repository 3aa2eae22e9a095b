// Gregorian calendar arithmetic shared by the engine, the calendars and the command line.
#pragma once

namespace veloranth {

bool IsLeapYear(int year);

// Days of a month of the Gregorian calendar (February 29 in leap years only); 30 for a
// month number outside 1 to 12, so that a corrupt month never indexes past a table.
int DaysInMonth(int month, int year);

}  // namespace veloranth
