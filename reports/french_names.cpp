// The name tables, guarded: an index from a corrupt date never reads outside them.
#include "reports/french_names.h"

namespace veloranth {

const char* DayName(int weekday) {
    static const char* const kDays[7] = {"Lundi",    "Mardi",  "Mercredi", "Jeudi",
                                         "Vendredi", "Samedi", "Dimanche"};
    return weekday >= 0 && weekday < 7 ? kDays[weekday] : "?";
}

const char* MonthName(int month) {
    static const char* const kMonths[12] = {"Janvier",   "F\xE9vrier", "Mars",     "Avril",
                                            "Mai",       "Juin",       "Juillet",  "Ao\xFBt",
                                            "Septembre", "Octobre",    "Novembre", "D\351cembre"};
    return month >= 1 && month <= 12 ? kMonths[month - 1] : "?";
}

}  // namespace veloranth
