// The name tables, guarded: an index from a corrupt date never reads outside them.
#include "reports/french_names.h"

#include <cstdio>

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

const char* HijriMonthName(int month) {
    static const char* const kMonths[12] = {
        "Mouharram",          "Safar",        "Rabia al-awal", "Rabia ath-thani", "Joumada al-oula",
        "Joumada ath-thania", "Rajab",        "Chaabane",      "Ramadan",         "Chawwal",
        "Dhou al-qi'da",      "Dhou al-hijja"};
    return month >= 1 && month <= 12 ? kMonths[month - 1] : "?";
}

const char* HijriMonthShortName(int month) {
    static const char* const kMonths[12] = {"Mouh.",   "Saf.",     "Rab. I",     "Rab. II",
                                            "Joum. I", "Joum. II", "Raj.",       "Chaab.",
                                            "Ram.",    "Chaw.",    "Dhou al-q.", "Dhou al-h."};
    return month >= 1 && month <= 12 ? kMonths[month - 1] : "?";
}

std::string HijriDateText(const HijriDate& date) {
    char text[64];
    std::snprintf(text, sizeof text, "%d %s %d", date.day, HijriMonthName(date.month), date.year);
    return text;
}

}  // namespace veloranth
