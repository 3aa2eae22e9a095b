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

// Laylat al-Qadr is kept on 26 Ramadan's date: its night begins that evening.
const HolyDay kHolyDays[] = {{1, 1, "Nouvel an de l'H\xE9gire"},
                             {1, 10, "Achoura"},
                             {3, 12, "Mawlid"},
                             {7, 27, "Isra et Miraj"},
                             {9, 1,
                              "D\xE9"
                              "but du Ramadan"},
                             {9, 26, "Laylat al-Qadr"},
                             {10, 1,
                              "A\xEF"
                              "d al-Fitr"},
                             {12, 9, "Jour d'Arafat"},
                             {12, 10,
                              "A\xEF"
                              "d al-Adha"}};
const int kHolyDayCount = sizeof kHolyDays / sizeof kHolyDays[0];

const char* HolyDayName(const HijriDate& date) {
    for (const HolyDay& h : kHolyDays) {
        if (h.month == date.month && h.day == date.day) {
            return h.name;
        }
    }
    return nullptr;
}

std::string LongDateText(int weekday, int day, int month, int year) {
    char text[64];
    std::snprintf(text, sizeof text, "%s %d %s %d", DayName(weekday), day, MonthName(month), year);
    return text;
}

std::string HijriDateText(const HijriDate& date) {
    char text[64];
    std::snprintf(text, sizeof text, "%d %s %d", date.day, HijriMonthName(date.month), date.year);
    return text;
}

}  // namespace veloranth
