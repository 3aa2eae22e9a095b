#include "base/calendar_date.h"

namespace veloranth {

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int month, int year) {
    switch (month) {
        case 1:
        case 3:
        case 5:
        case 7:
        case 8:
        case 10:
        case 12:
            return 31;
        case 2:
            return IsLeapYear(year) ? 29 : 28;
        default:
            return 30;
    }
}

}  // namespace veloranth
