// The monthly and annual prayer calendars: HTML pages written beside the program and
// opened in the browser.
#pragma once

#include <functional>
#include <string>

#include "config/file_ops.h"
#include "reports/main_state.h"

namespace veloranth {

class TextSink;

// The page's file name (8-bit): "<Name>_<Mois><year>.html", or "<Name>_<year>.html" for
// month 0. Characters a file name cannot hold become '_'.
std::string CalendarFileName(const char* townName, int month, int year);

// The pages' bytes for the observation month or year of the selected town.
std::string MonthCalendarHtml(const MainState& state);
std::string YearCalendarHtml(const MainState& state);

using PageStarter = std::function<void(const std::u16string& page)>;

// Writes the page into `folder` and starts `browser` on it; on failure prints
// "File open error <file name>" on `console` and starts nothing. True when written.
bool WriteMonthCalendar(const MainState& state, const std::u16string& folder, TextSink& console,
                        const PageStarter& browser, const FileOps& ops = PlatformFileOps());
bool WriteYearCalendar(const MainState& state, const std::u16string& folder, TextSink& console,
                       const PageStarter& browser, const FileOps& ops = PlatformFileOps());

// The full path a page would get.
std::u16string CalendarPath(const std::u16string& folder, const std::string& fileName);

}  // namespace veloranth
