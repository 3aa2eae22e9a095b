// TodayHost.exe with TodayVeloranth.dll, as a user sees them on a 240 x 320 screen: the
// item with and without its heading, a library that refuses to load, and the options
// dialog.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>

#include "testsupport/win/driver.h"

namespace veloranth {
namespace {

namespace fs = std::filesystem;
using namespace wintest;

const fs::path kSource = VELORANTH_SOURCE_DIR;

class HostRun : public ::testing::Test {
  protected:
    void Start(bool withConfig, const std::wstring& arguments = L"") {
        folder_ = FreshFolder(std::string("host-") +
                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        for (const char* f : {"TodayHost.exe", "TodayVeloranth.dll"}) {
            fs::copy_file(BuildFolder() / f, folder_ / f);
        }
        fs::copy_file(BuildFolder() / "recorder.exe", folder_ / "Veloranth.exe");
        if (withConfig) {
            fs::copy_file(kSource / "reports/tests/data/reports.cfg", folder_ / "data.cfg");
        }
        // Started in C:\ so that a log goes to the root of the prefix's drive.
        host_ = Process(folder_ / "TodayHost.exe", arguments, L"C:\\");
        ASSERT_TRUE(host_.Started());
    }
    void TearDown() override {
        HWND window = FindWindowW(L"TodayHostWindow", nullptr);
        if (window != nullptr) {
            PostMessageW(window, WM_CLOSE, 0, 0);
            EXPECT_EQ(host_.Wait(), 0);
        }
    }
    HWND HostWindow() { return WaitForWindow(L"TodayHostWindow", nullptr); }
    int ItemHeight(HWND item) {
        RECT r;
        GetWindowRect(item, &r);
        return r.bottom - r.top;
    }
    void Shot(const std::string& name) { Screenshot("today-" + name + "-" + ScreenSize()); }

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
    Start(true);
    HWND host = HostWindow();
    ASSERT_NE(host, nullptr);
    HWND item = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (item = FindWindowExW(host, nullptr, L"VeloranthClass", nullptr)); }));
    ASSERT_TRUE(WaitFor([&] { return ItemHeight(item) == 16; }));
    Shot("item");
    // The five times and the town, whole or ended with an ellipsis, left of the icon.
    EXPECT_EQ(TextRuns(item, 4), 6);
    PostMessageW(item, WM_LBUTTONUP, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return ItemHeight(item) == 32; }, 5000));
    Shot("item-heading");
    PostMessageW(item, WM_LBUTTONUP, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return ItemHeight(item) == 16; }, 5000));
}

TEST_F(HostRun, ALibraryThatRefusesToLoadIsSaidAndTheHostGoesOn) {
    fs::remove(L"C:\\TodayHost_log.txt");
    Start(false);
    HWND box = WaitForWindow(L"#32770", L"File open error");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), (folder_ / "data.cfg").wstring());
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    HWND host = HostWindow();
    ASSERT_NE(host, nullptr);
    EXPECT_TRUE(Responds(host));
    EXPECT_EQ(FindWindowExW(host, nullptr, L"VeloranthClass", nullptr), nullptr);
    Shot("refused");
    // The log is named after the host that loaded the library.
    EXPECT_TRUE(WaitFor([&] { return fs::exists(L"C:\\TodayHost_log.txt"); }));
}

TEST_F(HostRun, OptionsDialogStartsVeloranth) {
    Start(true);
    HWND host = HostWindow();
    ASSERT_NE(host, nullptr);
    HWND options = FindWindowExW(host, nullptr, L"Button", L"Options");
    ASSERT_NE(options, nullptr);
    PostMessageW(options, BM_CLICK, 0, 0);
    HWND dialog = WaitForWindow(L"#32770", L"Configuration");
    ASSERT_NE(dialog, nullptr);
    Shot("options");
    // Each press starts Veloranth.exe from the library's folder; the dialog stays open.
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
