// Julian day after Meeus (Astronomical Algorithms, ch. 7) folded into centuries.
#include "engine/timebase.h"

#include <cmath>

#include "base/truncate.h"

namespace veloranth {

namespace {

// Gregorian correction B of Meeus, from the year; -13 for 1900 to 2099.
int GregorianCorrection(int year) {
    int century = year >= 0 ? year / 100 : -((-year + 99) / 100);  // floor(year / 100)
    int leapCenturies = century >= 0 ? century / 4 : -((-century + 3) / 4);
    return 2 - century + leapCenturies;
}

}  // namespace

int MonthBase(int month, int year) {
    if (month <= 2) {
        month += 12;
        year -= 1;
    }
    int a = TruncToInt(365.25 * year);
    int b = TruncToInt((month + 1) * -30.6001);
    // With the correction of 1900-2099 (-13) this is the constant -15 of the classic
    // form; computing it keeps every other Gregorian century right as well.
    return a - b + GregorianCorrection(year) - 2;
}

double JulianCenturies(int day, int month, int year, double hours) {
    return JulianCenturiesIn(MonthBase(month, year), day, hours);
}

int DayOfWeek(double T) {
    double x = T * 36525.0 + 5.0;  // days since J2000.0; 1 January 2000 gives 5 (Saturday)
    if (x >= 0.0) {
        int q = TruncToInt(x * 0.14285714285714285);
        return TruncToInt(x - 7 * q);
    }
    // Before 27 December 1999 a truncating remainder would go negative: use the
    // floored one so every date gets its real weekday.
    double days = std::floor(x);
    double r = days - 7.0 * std::floor(days / 7.0);
    return TruncToInt(r) % 7;
}

}  // namespace veloranth
