// Calendar pages. The markup is fixed: style.css and users' own tools rely on it.
#include "reports/calendar.h"

#include <cstdio>
#include <vector>

#include "base/calendar_date.h"
#include "base/codepage.h"
#include "engine/schedule.h"
#include "base/text_sink.h"
#include "platform/launch.h"
#include "reports/french_names.h"
#include "engine/shown_time.h"

namespace veloranth {

namespace {

constexpr int kMaxDays = 31;
constexpr int kFriday = 4;

// One month of the schedule, as the calendars show it.
struct MonthTimes {
    int days = 0;
    PrayerDay day[kMaxDays];
};

void ComputeMonth(const MainState& s, int month, int year, MonthTimes& m, EngineMemo& memo) {
    m.days = DaysInMonth(month, year);
    ComputeMonthSchedule(InputsOf(s), month, year, m.day, m.days, &memo);
}

std::string Escaped(const char* text) {
    std::string out;
    for (const char* p = text; *p; ++p) {
        switch (*p) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += *p;
        }
    }
    return out;
}

std::string Shown(const MonthTimes& m, int day, int kind) {
    return ShownTime(m.day[day - 1].shown, m.day[day - 1].found, kind);
}

int WeekdayOf(const MonthTimes& m, int day) {
    return m.day[day - 1].weekday;
}

// The Hijri column's cell: the month's name on the first day and where the month changes,
// the day alone on the other rows.
std::string HijriCell(const MonthTimes& m, int day) {
    const HijriDate& h = m.day[day - 1].hijri;
    if (day == 1 || h.month != m.day[day - 2].hijri.month) {
        return std::to_string(h.day) + " " + HijriMonthName(h.month);
    }
    return std::to_string(h.day);
}

// Whether a month's table has an Imsak column: in a file that shows the Hijri date, for a
// month that holds days of Ramadan, when fasting users look for it.
bool ShowsImsak(const MonthTimes& m, bool hijri) {
    for (int d = 0; hijri && d < m.days; ++d) {
        if (IsRamadan(m.day[d].hijri)) {
            return true;
        }
    }
    return false;
}

// Imsak's cell on the days of Ramadan; nothing on the others (the cell still holds its
// blank, so that the style sheet does not take it for a day the month lacks).
std::string ImsakCell(const MonthTimes& m, int day) {
    const PrayerDay& p = m.day[day - 1];
    if (!IsRamadan(p.hijri)) {
        return "";
    }
    return ShownTime(p.community, kImsak);
}

// " / Ramadan &ndash; Chawwal 1447": the Hijri months the month spans, for its heading.
std::string HijriSpan(const MonthTimes& m) {
    const HijriDate& first = m.day[0].hijri;
    const HijriDate& last = m.day[m.days - 1].hijri;
    char text[128];
    if (first.month == last.month && first.year == last.year) {
        std::snprintf(text, sizeof text, " / %s %d", HijriMonthName(first.month), first.year);
    } else if (first.year == last.year) {
        std::snprintf(text, sizeof text, " / %s &ndash; %s %d", HijriMonthName(first.month),
                      HijriMonthName(last.month), last.year);
    } else {
        std::snprintf(text, sizeof text, " / %s %d &ndash; %s %d", HijriMonthName(first.month),
                      first.year, HijriMonthName(last.month), last.year);
    }
    return text;
}

// Head lines 1 to 7; `period` is "Mars 2009" or "Ann\xE9e 2009", `hijri` what the heading
// says of the Hijri months after it (or nothing).
void Head(TextSink& page, const std::string& period, const Town& town,
          const std::string& hijri = "") {
    Print(&page, "<html><!-- Generateur de calendrier de pri\xE8res - %s -->\n", period.c_str());
    Print(&page, "<head>\n");
    Print(&page, "\t\t<title>Calendrier de pri\xE8res - %s </title>\n", period.c_str());
    Print(&page,
          "\t\t<meta http-equiv=\"Content-Type\" content=\"text/html; "
          "charset=iso-8859-1\"/>\n");
    Print(&page, "\t\t<link rel=\"stylesheet\" href=\"style.css\" type=\"text/css\" />\n");
    Print(&page, "\t</head>\n\t<body>\n");
    Print(&page, "\t\t<h2>%s, %s - %s%s</h2>\n", Escaped(town.Country).c_str(),
          Escaped(town.Name).c_str(), period.c_str(), hijri.c_str());
}

std::string Period(int month, int year) {
    char text[64];
    if (month == 0) {
        std::snprintf(text, sizeof text,
                      "Ann\xE9"
                      "e %d",
                      year);
    } else {
        std::snprintf(text, sizeof text, "%s %d", MonthName(month), year);
    }
    return text;
}

bool WriteAndOpen(const std::u16string& folder, const std::string& fileName,
                  const std::string& html, TextSink& console, const PageStarter& browser,
                  const FileOps& ops) {
    std::u16string path = CalendarPath(folder, fileName);
    // A page too long for the platform, or one not written completely, is not opened.
    if (!platform::PathFits(path) || !WriteWholeFile(path, html, ops)) {
        Print(&console, "File open error %s\n", fileName.c_str());
        return false;
    }
    browser(path);
    return true;
}

}  // namespace

std::string CalendarFileName(const char* townName, int month, int year) {
    std::string name;
    for (const char* p = townName; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        bool forbidden =
            c < 0x20 || c == 0x7F || std::string("\\/:*?\"<>|").find(*p) != std::string::npos;
        name += forbidden ? '_' : *p;
    }
    char tail[64];
    if (month == 0) {
        std::snprintf(tail, sizeof tail, "_%d.html", year);
    } else {
        std::snprintf(tail, sizeof tail, "_%s%d.html", MonthName(month), year);
    }
    return name + tail;
}

std::u16string CalendarPath(const std::u16string& folder, const std::string& fileName) {
    return folder + Cp1252ToUtf16(fileName);
}

std::string MonthCalendarHtml(const MainState& s) {
    const int month = s.date.Month;
    const int year = s.date.Year;
    MonthTimes m;
    EngineMemo memo;
    ComputeMonth(s, month, year, m, memo);
    const bool hijri = s.config.HijriShown;
    const bool imsak = ShowsImsak(m, hijri);
    StringSink page;
    Head(page, Period(month, year), s.config.SelectedTown(), hijri ? HijriSpan(m) : "");
    Print(&page, "\t\t\t<table cellpadding=0 cellspacing=1 border=1 class=tb>\n");
    Print(&page,
          "<tr bgcolor=\"#00F0F0\">\t\t\t<td width=10></td> \t\t\t<td width=60><b> Jour </b></td> ");
    if (hijri) {
        Print(&page, "\t\t\t<td width=60><b> H\xE9gire </b></td> ");
    }
    if (imsak) {
        Print(&page, "\t\t\t<td width=40><b> Imsak </b></td>");
    }
    Print(&page,
          "\t\t\t<td width=40><b> Fajr </b></td>\t\t\t<td width=40><b> Chourouk</b></td>\t\t\t"
          "<td width=40><b> Zuhr </b></td>\t\t\t<td width=40><b> Asr </b></td>\t\t\t"
          "<td width=40><b> Maghrib </b></td>\t\t\t<td width=40><b> Isha</b></td> </tr>\n");
    for (int d = 1; d <= m.days; ++d) {
        const char* colour = WeekdayOf(m, d) == kFriday ? "#FFD5D5"
                             : d % 2 == 0                 ? "#F5F5F5"
                                                          : "#F0F0E0";
        Print(&page, "<tr bgcolor=\"%s\">\n", colour);
        Print(&page,
              "\t\t<td width=10 align=\"right\"><b>%2d</b></td> \t\t<td width=60><b>%s</b></td> ", d,
              DayName(WeekdayOf(m, d)));
        if (hijri) {
            Print(&page, "\t\t<td width=60>%s</td> ", HijriCell(m, d).c_str());
        }
        if (imsak) {
            Print(&page, "\t\t<td width=40>&nbsp;%s</td>", ImsakCell(m, d).c_str());
        }
        Print(&page,
              "\t\t<td width=40>&nbsp;%s</td>\t\t<td width=40>&nbsp;%s</td>\t\t<td width=40>"
              "&nbsp;%s</td>\t\t<td width=40>&nbsp;%s</td>\t\t<td width=40>&nbsp;%s</td>\t\t"
              "<td width=40>&nbsp;%s</td></tr>\n",
              Shown(m, d, Fajr).c_str(),
              Shown(m, d, Chourouk).c_str(), Shown(m, d, Zuhr).c_str(), Shown(m, d, Asr).c_str(),
              Shown(m, d, Maghrib).c_str(), Shown(m, d, Isha).c_str());
    }
    Print(&page, "</table><BR>\t</body>\n</html>\n");
    return page.str();
}

std::string YearCalendarHtml(const MainState& s) {
    const int year = s.date.Year;
    std::vector<MonthTimes> months(13);  // a year of days: on the heap, not the stack
    EngineMemo memo;
    for (int month = 1; month <= 12; ++month) {
        ComputeMonth(s, month, year, months[month], memo);
    }
    const bool hijri = s.config.HijriShown;
    bool imsak[13] = {};
    for (int month = 1; month <= 12; ++month) {
        imsak[month] = ShowsImsak(months[month], hijri);
    }
    StringSink page;
    Head(page, Period(0, year), s.config.SelectedTown());
    for (int q = 1; q <= 10; q += 3) {
        Print(&page, "\t\t\t<table cellpadding=0 cellspacing=1 border=1 class=tb>\n");
        Print(&page, "<tr bgcolor=\"#F0FFF0\">\n");
        for (int month = q; month < q + 3; ++month) {
            // Added columns start the month's cells: the title stays over its column.
            Print(&page,
                  "%s%s<td></td><td></td><td></td><td> <b>%s</b></td><td>&nbsp;</td><td><b>%d</b>"
                  "</td><td></td><td></td>\n",
                  hijri ? "<td></td>" : "", imsak[month] ? "<td></td>" : "", MonthName(month),
                  year);
        }
        Print(&page, "</tr>\n <tr bgcolor=\"#00F0F0\">\n");
        for (int month = q; month < q + 3; ++month) {
            Print(&page,
                  "\t\t\t\t\t\t<td width=10></td> \t\t\t\t\t\t<td width=60><b> Jour </b></td> ");
            if (hijri) {
                Print(&page, "\t\t\t\t\t\t<td width=60><b> H\xE9gire </b></td> ");
            }
            if (imsak[month]) {
                Print(&page, "\t\t\t\t\t\t<td width=40><b> Imsak </b></td>");
            }
            Print(&page,
                  "\t\t\t\t\t\t<td width=40><b> Fajr </b></td>\t\t\t\t\t\t<td width=40><b> "
                  "Chourouk </b></td>\t\t\t\t\t\t<td width=40><b> Zuhr </b></td>\t\t\t\t\t\t"
                  "<td width=40><b> Asr </b></td>\t\t\t\t\t\t<td width=40><b> Maghrib </b>"
                  "</td>\t\t\t\t\t\t<td width=40><b> Isha</b></td>\n");
        }
        Print(&page, "</tr>\n");
        for (int d = 1; d <= kMaxDays; ++d) {
            Print(&page, "<tr>\n");
            for (int month = q; month < q + 3; ++month) {
                const MonthTimes& m = months[month];
                if (d > m.days) {
                    for (int cell = (hijri ? 1 : 0) + (imsak[month] ? 1 : 0); cell > 0; --cell) {
                        Print(&page, "\t\t\t\t\t\t\t<td></td> ");
                    }
                    Print(&page,
                          "\t\t\t\t\t\t\t<td></td> \t\t\t\t\t\t\t<td></td> \t\t\t\t\t\t\t<td></td> "
                          "\t\t\t\t\t\t\t<td></td> \t\t\t\t\t\t\t<td></td> \t\t\t\t\t\t\t<td></td> "
                          "\t\t\t\t\t\t\t<td></td> \t\t\t\t\t\t\t<td></td>\n");
                    continue;
                }
                const char* k = WeekdayOf(m, d) == kFriday ? "bgcolor=\"#FFD5D5\""
                                : d % 2 == 0                 ? "bgcolor=\"#E5FFE5\""
                                                             : "bgcolor=\"#E0FFD0\"";
                Print(&page,
                      "\t\t\t\t\t\t\t<td %s width=10 align=\"right\"><b>%2d</b></td> \t\t\t\t\t\t\t"
                      "<td %s width=60><b>%s</b></td> ",
                      k, d, k, DayName(WeekdayOf(m, d)));
                if (hijri) {
                    Print(&page, "\t\t\t\t\t\t\t<td %s width=60>%s</td> ", k, HijriCell(m, d).c_str());
                }
                if (imsak[month]) {
                    Print(&page, "\t\t\t\t\t\t\t<td %s width=40>&nbsp;%s</td>", k,
                          ImsakCell(m, d).c_str());
                }
                Print(&page,
                      "\t\t\t\t\t\t\t<td %s width=40>&nbsp;%s</td>"
                      "\t\t\t\t\t\t\t<td %s width=40>&nbsp;%s</td>\t\t\t\t\t\t\t<td %s width=40>"
                      "&nbsp;%s</td>\t\t\t\t\t\t\t<td %s width=40>&nbsp;%s</td>\t\t\t\t\t\t\t"
                      "<td %s width=40>&nbsp;%s</td>\t\t\t\t\t\t\t<td %s width=40>&nbsp;%s</td>\n",
                      k, Shown(m, d, Fajr).c_str(), k,
                      Shown(m, d, Chourouk).c_str(), k, Shown(m, d, Zuhr).c_str(), k,
                      Shown(m, d, Asr).c_str(), k, Shown(m, d, Maghrib).c_str(), k,
                      Shown(m, d, Isha).c_str());
            }
            Print(&page, "</tr>\n");
        }
        Print(&page, "</table>\n");
        Print(&page, "<br><br>\n");
    }
    Print(&page, "</body>\n</html>\n");
    return page.str();
}

bool WriteMonthCalendar(const MainState& s, const std::u16string& folder, TextSink& console,
                        const PageStarter& browser, const FileOps& ops) {
    std::string html = MonthCalendarHtml(s);
    std::string name =
        CalendarFileName(s.config.SelectedTown().Name, s.date.Month, s.date.Year);
    return WriteAndOpen(folder, name, html, console, browser, ops);
}

bool WriteYearCalendar(const MainState& s, const std::u16string& folder, TextSink& console,
                       const PageStarter& browser, const FileOps& ops) {
    std::string html = YearCalendarHtml(s);
    std::string name = CalendarFileName(s.config.SelectedTown().Name, 0, s.date.Year);
    return WriteAndOpen(folder, name, html, console, browser, ops);
}

}  // namespace veloranth
