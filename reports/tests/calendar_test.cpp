// The calendars' file names, and the pages that must not be written or opened.
#include "reports/calendar.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "base/codepage.h"
#include "base/text_sink.h"
#include "reports/tests/report_fixture.h"
#include "testsupport/failing_files.h"
#include "testsupport/temp_folder.h"

namespace veloranth {
namespace {

using fixture::Loaded;

TEST(CalendarFileName, MonthYearAndForbiddenCharacters) {
    EXPECT_EQ(CalendarFileName("Saint-Etienne", 3, 2009), "Saint-Etienne_Mars2009.html");
    EXPECT_EQ(CalendarFileName("Paris", 2, 2008), "Paris_F\351vrier2008.html");  // \351: e acute
    EXPECT_EQ(CalendarFileName("Strasbourg", 0, 2008), "Strasbourg_2008.html");
    EXPECT_EQ(CalendarFileName("..\\a/b:c*d?e\"f<g>h|i\x01", 5, 2008),
              ".._a_b_c_d_e_f_g_h_i__Mai2008.html");
}

using PageFolder = testsupport::TempFolder;

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
    ASSERT_TRUE(WriteYearCalendar(l.s, folder.Folder(), console, starts.Starter()));
    EXPECT_EQ(console.str(), "");
    EXPECT_EQ(starts.pages,
              (std::vector<std::u16string>{folder.Folder() + u"Saint-Etienne_Mars2009.html",
                                           folder.Folder() + u"Saint-Etienne_2009.html"}));
    for (const std::u16string& page : starts.pages) {
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(page)));
    }
}

// A folder that does not exist, a file that cannot be written, a path beyond the platform's
// limit: the page is reported by name and nothing is started.
TEST(WriteCalendar, APageNotWrittenCompletelyStartsNothing) {
    PageFolder folder;
    const std::u16string deep = folder.Folder() + std::u16string(5000, u'd') + u"/";
    const std::string february = "_F\xE9vrier2008.html\n";
    const struct {
        int town;
        std::u16string where;
        bool unwritable;
        std::string name;
    } cases[] = {{fixture::kParis, folder.Folder() + u"no-such-folder/", false, "Paris"},
                 {fixture::kParis, folder.Folder(), true, "Paris"},
                 {fixture::kLongNames, deep, false, std::string(79, 'N')}};
    for (const auto& c : cases) {
        Loaded l(c.town, {17, 2, 2008});
        RecordedStarts starts;
        StringSink console;
        const testsupport::UnwritableFiles unwritable;
        const FileOps& files =
            c.unwritable ? static_cast<const FileOps&>(unwritable) : PlatformFileOps();
        EXPECT_FALSE(WriteMonthCalendar(l.s, c.where, console, starts.Starter(), files));
        EXPECT_FALSE(WriteYearCalendar(l.s, c.where, console, starts.Starter(), files));
        EXPECT_EQ(console.str().substr(0, console.str().find('\n') + 1),
                  "File open error " + c.name + february);
        EXPECT_TRUE(starts.pages.empty());
    }
}

}  // namespace
}  // namespace veloranth
