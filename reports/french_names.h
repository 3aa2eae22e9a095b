// French day and month names as the reports, the window and the calendars show them
// (8-bit Windows-1252: "F\xE9vrier" is Février).
#pragma once

namespace veloranth {

// 0 Monday ... 6 Sunday; "?" outside.
const char* DayName(int weekday);
// 1 January ... 12 December; "?" outside.
const char* MonthName(int month);

}  // namespace veloranth
