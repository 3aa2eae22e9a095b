// The shell stand-in, driven under Wine through the program that hosts it: the menu bar
// under the window and its pop-ups, and on a desktop-size display a handheld-shaped area
// for each program.
#include <string>

#include "testsupport/win/veloranth_run.h"

namespace veloranth {
namespace {

using namespace wintest;

// The bar under the window, a pop-up for each drop-down button, opened above the bar.
TEST_F(VeloranthRun, MenuBarUnderTheWindowHandsOutItsPopups) {
    Start();
    RECT w = RectOf(window_), bar = RectOf(bar_);
    EXPECT_EQ(bar.bottom - bar.top, POCKET_MENUBAR_HEIGHT);
    EXPECT_EQ(w.bottom - w.top, GetSystemMetrics(SM_CYSCREEN) - POCKET_MENUBAR_HEIGHT);
    EXPECT_EQ(w.bottom, bar.top);
    for (UINT command : {IDM_CONFIG_MENU, IDM_COMPUTE_MENU, IDM_HELP_MENU}) {
        EXPECT_NE(SendMessageW(bar_, SHCMBM_GETSUBMENU, 0, command), 0) << command;
    }
    EXPECT_EQ(SendMessageW(bar_, SHCMBM_GETSUBMENU, 0, IDM_EXIT), 0);  // Exit has none

    PostMessageW(GetDlgItem(bar_, 2), BM_CLICK, 0, 0);  // Compute
    EXPECT_NE(WaitForWindow(L"#32768", nullptr, 5000), nullptr);
    Shot("compute-popup");
    PostMessageW(window_, WM_CANCELMODE, 0, 0);
    keybd_event(VK_ESCAPE, 0, 0, 0);
    keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
}

// Each program keeps a handheld-shaped window of its own, side by side, with its menu bar
// and boxes within it, also after the user moved it. Both show the shipped
// Saint-\u00C9tienne, accent and all, selected and saved in the main program.
TEST_F(VeloranthRun, DesktopKeepsEachProgramInAHandheldShapedWindow) {
    StartWith(ReadBytes(BuildFolder() / "data.cfg"));
    HWND dialog = Open(IDM_TOWNS, L"Configuration");
    SendDlgItemMessageW(dialog, IDC_TOWN, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(L"France : Saint-\u00C9tienne"));
    SendMessageW(dialog, WM_COMMAND, IDC_SAVE, 0);  // Sauve config
    Close(dialog);
    fs::path hostFolder = FolderWith("desktop-host", {"TodayHost.exe", "TodayVeloranth.dll"});
    fs::copy_file(folder_ / "data.cfg", hostFolder / "data.cfg");
    Process host(hostFolder / "TodayHost.exe");
    HWND home = WaitForWindow(L"TodayHostWindow", nullptr);
    ASSERT_NE(home, nullptr);
    RECT screen = Screen(), homeRect = RectOf(home);
    EXPECT_FALSE(IntersectRect(&homeRect, &screen, &homeRect));
    Screenshot("desktop-" + ScreenSize());

    SetWindowPos(window_, nullptr, 600, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(WaitFor([&] { return RectOf(bar_).left == 600; }));
    ExpectOnScreen(bar_);
    HWND box = Open(IDM_SUN_POSITION, L"Sun position");
    ExpectOnScreen(box);
    Close(box);
}

}  // namespace
}  // namespace veloranth
