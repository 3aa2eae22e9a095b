// The calendar pages byte for byte, their file names, and the pages that must not be
// written or opened.
#include "reports/calendar.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "base/codepage.h"
#include "base/text_sink.h"
#include "reports/tests/report_fixture.h"

namespace veloranth {
namespace {

using fixture::ExpectGolden;
using fixture::Loaded;

TEST(CalendarPages, FebruaryOfALeapYearStartingOnAFriday) {
    Loaded l(fixture::kParis, {17, 2, 2008});  // 1 February 2008 was a Friday
    std::string page = MonthCalendarHtml(l.s);
    ExpectGolden("paris-2008-02.html", page);
    EXPECT_NE(page.find("<tr bgcolor=\"#FFD5D5\">\n\t\t<td width=10 align=\"right\"><b> 1</b>"),
              std::string::npos);
    EXPECT_NE(page.find("<tr bgcolor=\"#F5F5F5\">\n\t\t<td width=10 align=\"right\"><b> 2</b>"),
              std::string::npos);
    EXPECT_NE(page.find("<b>29</b>"), std::string::npos);
    EXPECT_EQ(page.find("<b>30</b>"), std::string::npos);
}

TEST(CalendarPages, AnnualPageOfALeapYear) {
    Loaded l(fixture::kParis, {17, 2, 2008});
    ExpectGolden("paris-2008.html", YearCalendarHtml(l.s));
}

TEST(CalendarPages, DaysWithoutATimeShowDashes) {
    Loaded l(fixture::kTromso, {1, 12, 2007});
    std::string page = MonthCalendarHtml(l.s);
    ExpectGolden("tromso-2007-12.html", page);
    EXPECT_NE(page.find("<td width=40>&nbsp;--:--</td>"), std::string::npos);
}

TEST(CalendarPages, NamesCannotInjectMarkup) {
    Loaded l(fixture::kMarkup, {1, 3, 2009});
    std::string page = MonthCalendarHtml(l.s);
    EXPECT_NE(page.find("\t\t<h2>Pays&amp;Co, &lt;Ville&gt;&quot;A&amp;B&quot; - Mars 2009</h2>\n"),
              std::string::npos);
    EXPECT_EQ(page.find("<Ville>"), std::string::npos);
}

TEST(CalendarPages, ComputationLeavesTheDayAndVerboseAsTheyWere) {
    Loaded l(fixture::kParis, {15, 1, 2007}, {10, 0, 0});
    StringSink out;
    l.s.config.Verbose = 0;
    // The day's records as the window last computed them.
    l.s.engine.TZeff = 1;
    l.s.engine.adjusted[Fajr] = 6.5;
    l.s.config.Verbose = 5;
    MonthCalendarHtml(l.s);
    EXPECT_EQ(l.s.config.Verbose, 1);
    EXPECT_EQ(l.s.engine.adjusted[Fajr], 6.5);
    EXPECT_EQ(l.s.engine.date.Day, 15);
    l.s.config.Verbose = 0;
    YearCalendarHtml(l.s);
    EXPECT_EQ(l.s.config.Verbose, 0);
    EXPECT_EQ(l.s.engine.date.Month, 1);
    EXPECT_EQ(l.s.engine.adjusted[Fajr], 6.5);
}

TEST(CalendarFileName, MonthYearAndForbiddenCharacters) {
    EXPECT_EQ(CalendarFileName("Saint-Etienne", 3, 2009), "Saint-Etienne_Mars2009.html");
    EXPECT_EQ(CalendarFileName("Paris", 2, 2008),
              "Paris_F\xE9vrier"
              "2008.html");
    EXPECT_EQ(CalendarFileName("Strasbourg", 0, 2008), "Strasbourg_2008.html");
    EXPECT_EQ(CalendarFileName("..\\a/b:c*d?e\"f<g>h|i\x01", 5, 2008),
              ".._a_b_c_d_e_f_g_h_i__Mai2008.html");
}

// A scratch folder for written pages.
struct PageFolder {
    std::filesystem::path path = std::filesystem::temp_directory_path() / "veloranth-pages";
    PageFolder() {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~PageFolder() { std::filesystem::remove_all(path); }
    std::u16string Folder() const { return (path / "").u16string(); }
};

struct RecordedStarts {
    std::vector<std::u16string> pages;
    PageStarter Starter() {
        return [this](const std::u16string& page) { pages.push_back(page); };
    }
};

TEST(WriteCalendar, WritesThePageAndOpensIt) {
    Loaded l(fixture::kSaintEtienne, {10, 3, 2009});
    PageFolder folder;
    RecordedStarts starts;
    StringSink console;
    ASSERT_TRUE(WriteMonthCalendar(l.s, folder.Folder(), console, starts.Starter()));
    EXPECT_EQ(console.str(), "");
    std::u16string expected = folder.Folder() + u"Saint-Etienne_Mars2009.html";
    ASSERT_EQ(starts.pages.size(), 1u);
    EXPECT_EQ(starts.pages[0], expected);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(expected)));
    ASSERT_TRUE(WriteYearCalendar(l.s, folder.Folder(), console, starts.Starter()));
    EXPECT_EQ(starts.pages[1], folder.Folder() + u"Saint-Etienne_2009.html");
}

TEST(WriteCalendar, APageThatCannotBeOpenedStartsNothing) {
    Loaded l(fixture::kParis, {17, 2, 2008});
    RecordedStarts starts;
    StringSink console;
    PageFolder folder;
    std::u16string missing = folder.Folder() + u"no-such-folder/";
    EXPECT_FALSE(WriteMonthCalendar(l.s, missing, console, starts.Starter()));
    EXPECT_EQ(console.str(),
              "File open error Paris_F\xE9vrier"
              "2008.html\n");
    EXPECT_FALSE(WriteYearCalendar(l.s, missing, console, starts.Starter()));
    EXPECT_TRUE(starts.pages.empty());
}

std::FILE* OpenUnwritable(const std::u16string& path, const char*) {
    std::FILE* f = PlatformFileOps().open(path, "wb");
    if (f != nullptr) {
        std::fclose(f);
    }
    return PlatformFileOps().open(path, "rb");  // every write fails
}

TEST(WriteCalendar, APageNotWrittenCompletelyStartsNothing) {
    Loaded l(fixture::kParis, {17, 2, 2008});
    PageFolder folder;
    RecordedStarts starts;
    StringSink console;
    FileOps failing = PlatformFileOps();
    failing.open = OpenUnwritable;
    EXPECT_FALSE(WriteMonthCalendar(l.s, folder.Folder(), console, starts.Starter(), failing));
    EXPECT_EQ(console.str(),
              "File open error Paris_F\xE9vrier"
              "2008.html\n");
    EXPECT_TRUE(starts.pages.empty());
}

TEST(WriteCalendar, APathBeyondThePlatformsLimitIsRefused) {
    Loaded l(fixture::kLongNames, {17, 2, 2008});
    RecordedStarts starts;
    StringSink console;
    std::u16string deep = PageFolder().Folder() + std::u16string(5000, u'd') + u"/";
    EXPECT_FALSE(WriteMonthCalendar(l.s, deep, console, starts.Starter()));
    EXPECT_EQ(console.str(), "File open error " + std::string(79, 'N') +
                                 "_F\xE9vrier"
                                 "2008.html\n");
    EXPECT_TRUE(starts.pages.empty());
}

}  // namespace
}  // namespace veloranth
