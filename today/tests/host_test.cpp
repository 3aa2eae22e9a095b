// TodayHost.exe with TodayVeloranth.dll, as a user sees them on a 240 x 320 screen: the
// item with and without its heading, and the options dialog. (A library that refuses to
// load is the in-process tests' case: the host only reports it.)
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "testsupport/win/host_run.h"

namespace veloranth {
namespace {

namespace fs = std::filesystem;
using namespace wintest;

// The runs of text in the item left of its icon, between its rows `top` and `bottom`.
std::vector<std::pair<int, int>> TextRuns(HWND item, int gap, int top = 0, int bottom = 999) {
    RECT r = RectOf(item);
    return TextRunsIn({r.left, r.top + top, r.right - 20, std::min(r.bottom, r.top + bottom)}, gap);
}

// The town shows whole left of the icon: in the part's bold font on a wide item, in a
// lighter or smaller one on a handheld's. A tap shows the headings (and above them the Hijri
// date where line 9 asks for it), each line on its own and none under the icon; another
// tap hides them.
TEST_F(HostRun, HeadingHijriAndTownFit) {
    const struct {
        std::string config;
        const wchar_t* town;
        unsigned lines;
    } cases[] = {{"", L"Paris", 2},
                 {"3 0 1 18 17 0.833 0 0 0 12\n1 1 0 0\n9 1 0\n"
                  "2 France Saint-\xC9tienne 45.434 4.39 1 1 0\n",
                  L"Saint-\u00C9tie", 3}};
    const int height = (GetDeviceCaps(GetDC(nullptr), LOGPIXELSY) + 4) / 9;
    for (const auto& c : cases) {
        Start(c.config);
        HWND item = ItemOfHeight(16);
        ASSERT_NE(item, nullptr);
        Screenshot("today-item-" + std::to_string(c.lines) + "-" + ScreenSize());
        const std::vector<std::pair<int, int>> runs = TextRuns(item, 4);
        ASSERT_EQ(runs.size(), 6u);
        const int town = runs[5].second - runs[5].first + 1;
        const bool wide = RectOf(item).right - RectOf(item).left >= 480;
        EXPECT_GE(town, TextWidthIn(c.town, L"Tahoma", wide, wide ? height : (height * 4 + 4) / 5) - 2);
        PostMessageW(item, WM_LBUTTONUP, 0, 0);
        ASSERT_EQ(ItemOfHeight(16 * c.lines), item);
        Screenshot("today-item-tapped-" + std::to_string(c.lines) + "-" + ScreenSize());
        for (unsigned line = 0; line < c.lines; ++line) {
            EXPECT_FALSE(TextRuns(item, 4, 2 + 15 * line, 2 + 15 * (line + 1)).empty()) << line;
        }
        PostMessageW(item, WM_LBUTTONUP, 0, 0);
        EXPECT_EQ(ItemOfHeight(16), item);
        TearDown();
    }
}

// Each press starts Veloranth.exe from the library's folder; the dialog stays open.
TEST_F(HostRun, OptionsDialogStartsVeloranth) {
    Start();
    HWND host = WaitForWindow(L"TodayHostWindow", nullptr), options = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (options = FindWindowExW(host, nullptr, L"Button", L"Options")); }));
    PostMessageW(options, BM_CLICK, 0, 0);
    HWND dialog = WaitForWindow(L"#32770", L"Configuration");
    EXPECT_EQ(OutsideOf(dialog, ProgramScreen(host)), std::vector<int>{});
    Screenshot("today-options-" + ScreenSize());
    SendMessageW(dialog, WM_COMMAND, 1001, 0);
    SendMessageW(dialog, WM_COMMAND, 1001, 0);
    EXPECT_TRUE(WaitFor([&] {
        std::string log = ReadBytes(folder_ / "Veloranth.exe.called.txt");
        return std::count(log.begin(), log.end(), '\n') == 2;
    }));
    EXPECT_TRUE(IsWindow(dialog));
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
}

}  // namespace
}  // namespace veloranth
