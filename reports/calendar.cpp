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
#include "reports/prayer_report.h"
#include "engine/shown_time.h"

namespace veloranth {

namespace {

constexpr int kMaxDays = 31;
constexpr int kFriday = 4;
constexpr int kLaylatAlQadr = 26;  // the day of Ramadan whose evening begins its night

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

int WeekdayOf(const MonthTimes& m, int day) {
    return m.day[day - 1].weekday;
}

// A holy day's name below the date of its cell.
std::string WithHolyDay(std::string cell, const HijriDate& date) {
    const char* name = HolyDayName(date);
    return name != nullptr ? cell + "<br><i>" + name + "</i>" : cell;
}

// The Hijri column's cell: the month's name on the first day and where the month changes,
// the day alone on the other rows.
std::string HijriCell(const MonthTimes& m, int day) {
    const HijriDate& h = m.day[day - 1].hijri;
    if (day == 1 || h.month != m.day[day - 2].hijri.month) {
        return WithHolyDay(std::to_string(h.day) + " " + HijriMonthName(h.month), h);
    }
    return WithHolyDay(std::to_string(h.day), h);
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

// The times of a day in the order of the pages' columns.
std::string Times(const PrayerDay& p, int kind) {
    return ShownTime(p.shown, p.found, kind);
}

// One day's cells, written once for every page: its number, its weekday, the optional
// third column (the Hijri date; the Gregorian one on the Ramadan page), the optional Imsak,
// then the six times. `indent` goes before each cell and `attr` inside it (the annual page
// colours each cell, the others their row).
void DayCells(TextSink& page, const char* indent, const std::string& attr, int number,
              const PrayerDay& p, const std::string* third, const std::string* imsak) {
    Print(&page,
          "%s<td%s width=10 align=\"right\"><b>%2d</b></td> %s<td%s width=60><b>%s</b></td> ",
          indent, attr.c_str(), number, indent, attr.c_str(), DayName(p.weekday));
    if (third != nullptr) {
        Print(&page, "%s<td%s width=60>%s</td> ", indent, attr.c_str(), third->c_str());
    }
    if (imsak != nullptr) {
        Print(&page, "%s<td%s width=40>&nbsp;%s</td>", indent, attr.c_str(), imsak->c_str());
    }
    for (int kind = Fajr; kind <= Isha; ++kind) {
        Print(&page, "%s<td%s width=40>&nbsp;%s</td>", indent, attr.c_str(),
              Times(p, kind).c_str());
    }
}

// The heading cells that match DayCells: `labels` are the six times' headings.
void HeadingCells(TextSink& page, const char* indent, const char* third, bool imsak,
                  const char* const labels[kSalatCount]) {
    Print(&page, "%s<td width=10></td> %s<td width=60><b> Jour </b></td> ", indent, indent);
    if (third != nullptr) {
        Print(&page, "%s<td width=60><b> %s </b></td> ", indent, third);
    }
    if (imsak) {
        Print(&page, "%s<td width=40><b> Imsak </b></td>", indent);
    }
    for (int kind = Fajr; kind <= Isha; ++kind) {
        Print(&page, "%s<td width=40><b>%s</b></td>", indent, labels[kind]);
    }
}

const char* const kMonthLabels[kSalatCount] = {" Fajr ", " Chourouk", " Zuhr ",
                                               " Asr ",  " Maghrib ", " Isha"};
const char* const kYearLabels[kSalatCount] = {" Fajr ", " Chourouk ", " Zuhr ",
                                              " Asr ",  " Maghrib ",  " Isha"};
const char* const kRamadanLabels[kSalatCount] = {" Fajr ", " Chourouk ",        " Zuhr ",
                                                 " Asr ",  " Maghrib (iftar) ", " Isha "};
const char kHijriHeading[] = "H\xE9gire";

enum class PageKind { Month, Year, Ramadan };

// Head lines 1 to 7; `period` is "Mars 2009", "Ann\xE9e 2009" or "Ramadan 1448", `hijri`
// what the heading says of the Hijri months after it (or nothing). Pages with the Hijri
// column, and the Ramadan page, are laid out for a phone's own width: the Part's pages are
// not, and keep their bytes.
void Head(TextSink& page, PageKind kind, const std::string& period, const Town& town,
          bool hijriShown, const std::string& hijri = "") {
    const std::string place = Escaped(town.Country) + ", " + Escaped(town.Name);
    Print(&page, "<html><!-- Generateur de calendrier de pri\xE8res - %s -->\n", period.c_str());
    Print(&page, "<head>\n");
    if (kind == PageKind::Ramadan) {
        Print(&page, "\t\t<title>%s - %s</title>\n", place.c_str(), period.c_str());
    } else {
        Print(&page, "\t\t<title>Calendrier de pri\xE8res - %s </title>\n", period.c_str());
    }
    Print(&page,
          "\t\t<meta http-equiv=\"Content-Type\" content=\"text/html; "
          "charset=iso-8859-1\"/>\n");
    if (hijriShown || kind == PageKind::Ramadan) {
        Print(&page,
              "\t\t<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n");
    }
    Print(&page, "\t\t<link rel=\"stylesheet\" href=\"style.css\" type=\"text/css\" />\n");
    Print(&page, "\t</head>\n\t<body>\n");
    Print(&page, "\t\t<h2>%s - %s%s</h2>\n", place.c_str(), period.c_str(), hijri.c_str());
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
    } else if (month == kRamadanPage) {
        std::snprintf(tail, sizeof tail, "_Ramadan%d.html", year);
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
    Head(page, PageKind::Month, Period(month, year), s.config.SelectedTown(), hijri,
         hijri ? HijriSpan(m) : "");
    Print(&page, "\t\t\t<table cellpadding=0 cellspacing=1 border=1 class=tb>\n");
    Print(&page, "<tr bgcolor=\"#00F0F0\">");
    HeadingCells(page, "\t\t\t", hijri ? kHijriHeading : nullptr, imsak, kMonthLabels);
    Print(&page, " </tr>\n");
    for (int d = 1; d <= m.days; ++d) {
        const char* colour = WeekdayOf(m, d) == kFriday ? "#FFD5D5"
                             : d % 2 == 0                 ? "#F5F5F5"
                                                          : "#F0F0E0";
        Print(&page, "<tr bgcolor=\"%s\">\n", colour);
        const std::string third = HijriCell(m, d), imsakTime = ImsakCell(m, d);
        DayCells(page, "\t\t", "", d, m.day[d - 1], hijri ? &third : nullptr,
                 imsak ? &imsakTime : nullptr);
        Print(&page, "</tr>\n");
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
    Head(page, PageKind::Year, Period(0, year), s.config.SelectedTown(), hijri);
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
            HeadingCells(page, "\t\t\t\t\t\t", hijri ? kHijriHeading : nullptr, imsak[month],
                         kYearLabels);
            Print(&page, "\n");
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
                const char* k = WeekdayOf(m, d) == kFriday ? " bgcolor=\"#FFD5D5\""
                                : d % 2 == 0               ? " bgcolor=\"#E5FFE5\""
                                                           : " bgcolor=\"#E0FFD0\"";
                const std::string third = HijriCell(m, d), imsakTime = ImsakCell(m, d);
                DayCells(page, "\t\t\t\t\t\t\t", k, d, m.day[d - 1], hijri ? &third : nullptr,
                         imsak[month] ? &imsakTime : nullptr);
                Print(&page, "\n");
            }
            Print(&page, "</tr>\n");
        }
        Print(&page, "</table>\n");
        Print(&page, "<br><br>\n");
    }
    Print(&page, "</body>\n</html>\n");
    return page.str();
}

RamadanDays RamadanOf(const MainState& s) {
    const int adjustment = s.config.HijriAdjustment;
    const HijriDate today = HijriFromCivil(s.date.Year, s.date.Month, s.date.Day, adjustment);
    RamadanDays r;
    r.hijriYear = today.month > kRamadan ? today.year + 1 : today.year;
    std::int64_t first = 0, last = 0;
    DaysFromHijri({r.hijriYear, kRamadan, 1}, adjustment, first);  // every year has a Ramadan
    r.days = DaysFromHijri({r.hijriYear, kRamadan, 30}, adjustment, last) ? 30 : 29;
    const CivilDate c = CivilFromDays(first);
    r.first = {c.day, c.month, static_cast<int>(c.year)};
    return r;
}

// The days of Ramadan whose times a polar rule gave, in ranges ("1 \xE0 12 et 30"), in a line
// after the table: a fasting day without sunrise or sunset keeps its six times.
void PolarDaysLine(TextSink& page, const PrayerDay* days, int count) {
    std::vector<std::string> ranges;
    int rule = kNoPolarRule;
    for (int d = 1; d <= count; ++d) {
        if (days[d - 1].polar.found) {
            rule = days[d - 1].polar.rule;
            const int first = d;
            while (d < count && days[d].polar.found) {
                ++d;
            }
            ranges.push_back(std::to_string(first) +
                             (d > first ? " \xE0 " + std::to_string(d) : std::string()));
        }
    }
    if (ranges.empty()) {
        return;
    }
    std::vector<const char*> names;
    for (const std::string& range : ranges) {
        names.push_back(range.c_str());
    }
    Print(&page,
          "\t\t<p>R\xE8gle polaire (%s) : le Soleil ne se l\xE8ve pas ou ne se couche pas "
          "les jours %s du Ramadan ; leurs heures sont celles %s o\xF9 il se l\xE8ve et se "
          "couche.</p>\n",
          PolarRuleName(rule), NameList(names.data(), static_cast<int>(names.size())).c_str(),
          rule == kNearestDay ? "du jour le plus proche" : "de la latitude la plus proche");
}

std::string RamadanCalendarHtml(const MainState& s) {
    const RamadanDays r = RamadanOf(s);
    std::vector<PrayerDay> days(r.days + 1);  // and the Eid's
    EngineMemo memo;
    std::int64_t first = DaysFromCivil(r.first.Year, r.first.Month, r.first.Day);
    for (int i = 0; i <= r.days; ++i) {
        const CivilDate c = CivilFromDays(first + i);
        days[i] =
            ComputeDaySchedule(InputsOf(s), {c.day, c.month, static_cast<int>(c.year)}, &memo);
    }
    char period[32];
    std::snprintf(period, sizeof period, "Ramadan %d", r.hijriYear);
    StringSink page;
    Head(page, PageKind::Ramadan, period, s.config.SelectedTown(), true);
    Print(&page, "\t\t\t<table cellpadding=0 cellspacing=1 border=1 class=tb>\n");
    Print(&page, "<tr bgcolor=\"#00F0F0\">");
    HeadingCells(page, "\t\t\t", "Date", true, kRamadanLabels);
    Print(&page, " </tr>\n");
    std::string qadr;
    for (int d = 1; d <= r.days; ++d) {
        const PrayerDay& p = days[d - 1];
        const char* colour = p.weekday == kFriday ? "#FFD5D5" : d % 2 == 0 ? "#F5F5F5" : "#F0F0E0";
        Print(&page, "<tr bgcolor=\"%s\">\n", colour);
        const std::string date =
            WithHolyDay(std::to_string(p.date.Day) + " " + MonthName(p.date.Month), p.hijri);
        const std::string imsak = ShownTime(p.community, kImsak);
        DayCells(page, "\t\t", "", d, p, &date, &imsak);
        Print(&page, "</tr>\n");
        if (p.hijri.day == kLaylatAlQadr) {
            qadr = LongDateText(p.weekday, p.date.Day, p.date.Month, p.date.Year) + " \xE0 " +
                   Times(p, Maghrib);
        }
    }
    Print(&page, "</table>\n");
    PolarDaysLine(page, days.data(), r.days);
    const PrayerDay& eid = days[r.days];
    if (!qadr.empty()) {
        Print(&page, "\t\t<p>Laylat al-Qadr : sa nuit commence au Maghrib du %s.</p>\n",
              qadr.c_str());
    }
    Print(&page,
          "\t\t<p>A\xEF"
          "d al-Fitr : %s (%s).</p>\n",
          LongDateText(eid.weekday, eid.date.Day, eid.date.Month, eid.date.Year).c_str(),
          HijriDateText(eid.hijri).c_str());
    Print(&page, "\t</body>\n</html>\n");
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

bool WriteRamadanCalendar(const MainState& s, const std::u16string& folder, TextSink& console,
                          const PageStarter& browser, const FileOps& ops) {
    std::string html = RamadanCalendarHtml(s);
    std::string name =
        CalendarFileName(s.config.SelectedTown().Name, kRamadanPage, RamadanOf(s).hijriYear);
    return WriteAndOpen(folder, name, html, console, browser, ops);
}

}  // namespace veloranth
