// The monthly and annual prayer calendars: HTML pages written beside the program and
// opened in the browser.
#pragma once

#include <functional>
#include <string>

#include "config/file_ops.h"
#include "reports/main_state.h"

namespace veloranth {

class TextSink;

// CalendarFileName's month for the Ramadan page, whose year is the Hijri year.
constexpr int kRamadanPage = 13;

// The page's file name (8-bit): "<Name>_<Mois><year>.html", "<Name>_<year>.html" for month 0,
// "<Name>_Ramadan<year>.html" for kRamadanPage. Characters a file name cannot hold become '_'.
std::string CalendarFileName(const char* townName, int month, int year);

// The pages' bytes for the observation month or year of the selected town.
std::string MonthCalendarHtml(const MainState& state);
std::string YearCalendarHtml(const MainState& state);
std::string RamadanCalendarHtml(const MainState& state);

// The Ramadan of the observation date's Hijri year by the file's adjustment, or the next
// one once it has ended: its year, its first civil day and its 29 or 30 days.
struct RamadanDays {
    int hijriYear = 0;
    ObservationDate first{};
    int days = 0;
};
RamadanDays RamadanOf(const MainState& state);

using PageStarter = std::function<void(const std::u16string& page)>;

// Writes the page into `folder` and starts `browser` on it; on failure prints
// "File open error <file name>" on `console` and starts nothing. True when written.
bool WriteMonthCalendar(const MainState& state, const std::u16string& folder, TextSink& console,
                        const PageStarter& browser, const FileOps& ops = PlatformFileOps());
bool WriteYearCalendar(const MainState& state, const std::u16string& folder, TextSink& console,
                       const PageStarter& browser, const FileOps& ops = PlatformFileOps());
bool WriteRamadanCalendar(const MainState& state, const std::u16string& folder, TextSink& console,
                          const PageStarter& browser, const FileOps& ops = PlatformFileOps());

// The full path a page would get.
std::u16string CalendarPath(const std::u16string& folder, const std::string& fileName);

}  // namespace veloranth
