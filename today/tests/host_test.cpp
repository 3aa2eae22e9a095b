// TodayHost.exe with TodayVeloranth.dll, as a user sees them on a 240 x 320 screen: the
// item with and without its heading, and the options dialog. (A library that refuses to
// load is the in-process tests' case: the host only reports it.)
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "testsupport/win/driver.h"

namespace veloranth {
namespace {

namespace fs = std::filesystem;
using namespace wintest;

// TodayHost.exe and the library in a folder of their own, a recorder as Veloranth.exe,
// started in C:\ so that a log goes to the root of the prefix's drive.
class HostRun : public ::testing::Test {
  protected:
    // With `config` as data.cfg; by default the test towns.
    void Start(const std::string& config = "") {
        folder_ = FolderWith(
            std::string("host-") + ::testing::UnitTest::GetInstance()->current_test_info()->name(),
            {"TodayHost.exe", "TodayVeloranth.dll"});
        fs::copy_file(BuildFolder() / "recorder.exe", folder_ / "Veloranth.exe");
        if (config.empty()) {
            fs::copy_file(fs::path(VELORANTH_SOURCE_DIR) / "reports/tests/data/reports.cfg",
                          folder_ / "data.cfg");
        } else {
            std::ofstream(folder_ / "data.cfg", std::ios::binary) << config;
        }
        host_ = Process(folder_ / "TodayHost.exe", L"", L"C:\\");
        ASSERT_TRUE(host_.Started());
    }
    void TearDown() override {
        if (HWND window = FindWindowW(L"TodayHostWindow", nullptr)) {
            PostMessageW(window, WM_CLOSE, 0, 0);
            EXPECT_EQ(host_.Wait(), 0);
        }
    }
    // The item, once the host shows it at `height` pixels.
    HWND ItemOfHeight(int height) {
        HWND host = WaitForWindow(L"TodayHostWindow", nullptr), item = nullptr;
        WaitFor([&] {
            item = FindWindowExW(host, nullptr, L"VeloranthClass", nullptr);
            return item && RectOf(item).bottom - RectOf(item).top == height;
        });
        return item;
    }

    fs::path folder_;
    Process host_;
};

// The runs of dark (text) columns in the part of the item left of its icon, as painted on
// the screen between rows `top` and `bottom` of the item: words separated by at least `gap`
// light columns count as one run each. Columns from the item's left edge.
std::vector<std::pair<int, int>> TextRuns(HWND item, int gap, int top = 0, int bottom = 999) {
    RECT r = RectOf(item);
    HDC screen = GetDC(nullptr);
    std::vector<std::pair<int, int>> runs;
    int light = gap;
    for (int x = r.left; x < r.right - 20; ++x, ++light) {
        for (int y = r.top + top; y < std::min(r.bottom, r.top + bottom) && light >= 0; ++y) {
            COLORREF c = GetPixel(screen, x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 400) {  // text, not background
                if (light >= gap) {
                    runs.push_back({x - r.left, x - r.left});
                }
                runs.back().second = x - r.left;
                light = -1;
            }
        }
    }
    ReleaseDC(nullptr, screen);
    return runs;
}

// How wide a text is in the device's face, bold or regular, at a character height.
int WidthIn(const std::wstring& text, bool bold, int height) {
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontW(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

TEST_F(HostRun, ItemWithAndWithoutItsHeading) {
    Start();
    HWND item = ItemOfHeight(16);
    ASSERT_NE(item, nullptr);
    Screenshot("today-item-" + ScreenSize());
    // The five times and the town, whole or ended with an ellipsis, left of the icon.
    EXPECT_EQ(TextRuns(item, 4).size(), 6u);
    PostMessageW(item, WM_LBUTTONUP, 0, 0);
    ASSERT_EQ(ItemOfHeight(32), item);
    Screenshot("today-item-heading-" + ScreenSize());
    PostMessageW(item, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(ItemOfHeight(16), item);
}

// A ten-character town shows whole left of the icon: in the part's bold font on a wide
// item, in a lighter or smaller one on a handheld's. After a tap, the Hijri date (line 9
// asks for it), the headings and the times, each on its line and none under the icon.
TEST_F(HostRun, HeadingHijriAndTownFit) {
    Start("3 0 1 18 17 0.833 0 0 0 12\n1 1 0 0\n9 1 0\n"
          "2 France Saint-\xC9tienne 45.434 4.39 1 1 0\n");
    HWND item = ItemOfHeight(16);
    ASSERT_NE(item, nullptr);
    Screenshot("today-town-" + ScreenSize());
    const std::vector<std::pair<int, int>> runs = TextRuns(item, 4);
    ASSERT_EQ(runs.size(), 6u);
    const int town = runs[5].second - runs[5].first + 1;
    const int height = (GetDeviceCaps(GetDC(nullptr), LOGPIXELSY) + 4) / 9;
    if (RectOf(item).right - RectOf(item).left >= 480) {
        EXPECT_NEAR(town, WidthIn(L"Saint-\u00C9tie", true, height), 2);
    } else {
        EXPECT_GE(town, WidthIn(L"Saint-\u00C9tie", false, (height * 4 + 4) / 5) - 2);
    }
    PostMessageW(item, WM_LBUTTONUP, 0, 0);
    ASSERT_EQ(ItemOfHeight(48), item);
    Screenshot("today-town-tapped-" + ScreenSize());
    for (int line = 0; line < 3; ++line) {
        EXPECT_FALSE(TextRuns(item, 4, 2 + 15 * line, 2 + 15 * (line + 1)).empty()) << line;
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
