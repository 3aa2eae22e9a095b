// TodayHost.exe with TodayVeloranth.dll, as a user sees them on a 240 x 320 screen: the
// item with and without its heading, and the options dialog. (A library that refuses to
// load is the in-process tests' case: the host only reports it.)
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "testsupport/win/driver.h"

namespace veloranth {
namespace {

namespace fs = std::filesystem;
using namespace wintest;

// TodayHost.exe and the library in a folder of their own, a recorder as Veloranth.exe,
// started in C:\ so that a log goes to the root of the prefix's drive.
class HostRun : public ::testing::Test {
  protected:
    void Start() {
        folder_ = FolderWith(
            std::string("host-") + ::testing::UnitTest::GetInstance()->current_test_info()->name(),
            {"TodayHost.exe", "TodayVeloranth.dll"});
        fs::copy_file(BuildFolder() / "recorder.exe", folder_ / "Veloranth.exe");
        fs::copy_file(fs::path(VELORANTH_SOURCE_DIR) / "reports/tests/data/reports.cfg",
                      folder_ / "data.cfg");
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
// the screen: words separated by at least `gap` light columns count as one run each.
int TextRuns(HWND item, int gap) {
    RECT r = RectOf(item);
    HDC screen = GetDC(nullptr);
    int runs = 0, light = gap;
    for (int x = r.left; x < r.right - 20; ++x, ++light) {
        for (int y = r.top; y < r.bottom && light >= 0; ++y) {
            COLORREF c = GetPixel(screen, x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 400) {  // text, not background
                runs += light >= gap;
                light = -1;
            }
        }
    }
    ReleaseDC(nullptr, screen);
    return runs;
}

TEST_F(HostRun, ItemWithAndWithoutItsHeading) {
    Start();
    HWND item = ItemOfHeight(16);
    ASSERT_NE(item, nullptr);
    Screenshot("today-item-" + ScreenSize());
    // The five times and the town, whole or ended with an ellipsis, left of the icon.
    EXPECT_EQ(TextRuns(item, 4), 6);
    PostMessageW(item, WM_LBUTTONUP, 0, 0);
    ASSERT_EQ(ItemOfHeight(32), item);
    Screenshot("today-item-heading-" + ScreenSize());
    PostMessageW(item, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(ItemOfHeight(16), item);
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
