// Veloranth.exe driven for real under Wine on a 240 x 320 virtual display: its window,
// menu bar, commands, boxes and calendars, read back and photographed.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "app/tests/veloranth_run.h"
#include "base/codepage.h"
#include "shell/aygshell.h"

namespace veloranth {
namespace {

namespace fs = std::filesystem;
using namespace wintest;

TEST_F(VeloranthRun, SingleInstanceAboveItsMenuBar) {
    Start();
    RECT w, bar;
    GetWindowRect(window_, &w);
    GetWindowRect(bar_, &bar);
    EXPECT_EQ(bar.bottom - bar.top, POCKET_MENUBAR_HEIGHT);
    EXPECT_EQ(w.bottom - w.top, GetSystemMetrics(SM_CYSCREEN) - POCKET_MENUBAR_HEIGHT);
    EXPECT_EQ(w.bottom, bar.top);

    Process second(folder_ / "Veloranth.exe");
    EXPECT_EQ(second.Wait(), 0);
    EXPECT_EQ(FindWindowExW(nullptr, window_, L"VELORANTH", nullptr), nullptr);
    Shot("window");
}

TEST_F(VeloranthRun, MenuBarButtonsAndTheirPopups) {
    Start();
    const wchar_t* labels[] = {L"Exit", L"Config", L"Compute", L"Help"};
    const UINT commands[] = {IDM_EXIT, IDM_CONFIG_MENU, IDM_COMPUTE_MENU, IDM_HELP_MENU};
    HWND button = GetWindow(bar_, GW_CHILD);
    for (int i = 0; i < 4; ++i, button = GetWindow(button, GW_HWNDNEXT)) {
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(WindowText(button), labels[i]);
    }
    struct Item {
        UINT id;
        const wchar_t* label;
    };
    const std::vector<std::vector<Item>> popups = {
        {{IDM_TOWNS, L"&Villes"}},
        {{IDM_PRAYER_TIMES, L"&Heure de pri\u00E8re"},
         {IDM_SUN_POSITION, L"Position &Soleil"},
         {IDM_QIBLA, L"&Quibla"},
         {IDM_MONTH_CALENDAR, L"Calendrier &Mensuel"},
         {IDM_YEAR_CALENDAR, L"Calendrier &Annuel"}},
        {{IDM_HELP, L"&Aide"}, {IDM_UPDATE, L"&Mise \u00E0 jour"}, {IDM_ABOUT, L"A &propos"}},
    };
    // Menus belong to their process: the pop-ups are read from the program's resources,
    // and the bar must hand out one for each drop-down button.
    HMODULE exe = LoadLibraryExW((folder_ / "Veloranth.exe").wstring().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    HMENU menu = LoadMenuW(exe, MAKEINTRESOURCEW(IDR_MENUBAR));
    ASSERT_NE(menu, nullptr);
    const wchar_t* titles[] = {L"Config", L"Calcule", L"Aide"};
    for (int p = 0; p < 3; ++p) {
        wchar_t title[64];
        GetMenuStringW(menu, p, title, 64, MF_BYPOSITION);
        EXPECT_STREQ(title, titles[p]);
        HMENU popup = GetSubMenu(menu, p);
        ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(popups[p].size()));
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            wchar_t label[64];
            GetMenuStringW(popup, i, label, 64, MF_BYPOSITION);
            EXPECT_EQ(GetMenuItemID(popup, i), popups[p][i].id);
            EXPECT_STREQ(label, popups[p][i].label);
        }
        EXPECT_NE(SendMessageW(bar_, SHCMBM_GETSUBMENU, 0, commands[p + 1]), 0) << p;
    }
    DestroyMenu(menu);
    FreeLibrary(exe);

    // The Compute button opens its pop-up above the bar.
    PostMessageW(GetDlgItem(bar_, 2), BM_CLICK, 0, 0);
    EXPECT_NE(WaitForWindow(L"#32768", nullptr, 5000), nullptr);
    Shot("compute-popup");
    PostMessageW(window_, WM_CANCELMODE, 0, 0);
    keybd_event(VK_ESCAPE, 0, 0, 0);
    keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
    EXPECT_EQ(SendMessageW(bar_, SHCMBM_GETSUBMENU, 0, IDM_EXIT), 0);  // Exit has none
}

TEST_F(VeloranthRun, BoxesShowTheChosenDayByteForByte) {
    Start();
    Choose(0, kParisDay);
    Shot("paris-2007-01-15");
    HWND box = Open(IDM_PRAYER_TIMES, L"Veloranth");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), Golden("paris-2007-01-15.box"));
    Shot("prayer-box");
    Close(box);
    box = Open(IDM_SUN_POSITION, L"Sun position");
    ASSERT_NE(box, nullptr);
    std::wstring sun = Golden("paris-2007-01-15-1300.sunbox");
    EXPECT_EQ(MessageBoxText(box), sun);
    // Too tall for the screen, the same text scrolls above the OK button (CR LF in a field).
    ExpectOnScreen(box);
    HWND field = GetDlgItem(box, POCKET_BOX_SCROLLING_TEXT_ID);
    field = field ? field : GetDlgItem(box, 0xFFFF);
    std::wstring shown = WindowText(field);
    shown.erase(std::remove(shown.begin(), shown.end(), L'\r'), shown.end());
    EXPECT_EQ(shown, sun);
    RECT text = RectOf(field), ok = RectOf(GetDlgItem(box, IDOK));
    EXPECT_FALSE(IntersectRect(&text, &text, &ok));
    Shot("sun-box-" + ScreenSize());
    Close(box);
}

// The shell's launcher, Wine's browser bridge, then the desktop's xdg-open (a recording
// one): the pages, the help and the update check, with no stand-in beside the program.
TEST_F(VeloranthRun, PagesReachTheDesktopsBrowser) {
    Start();
    Choose(0, {2008, 2, 0, 17, 12, 0, 0, 0});
    std::wstring folder = folder_.wstring().substr(2);  // Wine's drive Z: is the root
    std::replace(folder.begin(), folder.end(), L'\\', L'/');
    std::string page = "file://" + Utf16ToUtf8(std::u16string(folder.begin(), folder.end())) + "/";
    std::string expected;
    auto opens = [&](UINT command, const std::string& address) {
        PostMessageW(window_, WM_COMMAND, command, 0);
        expected += address + "\n";
        return WaitFor([&] { return ReadBytes(XdgOpenRecord()) == expected; }, 20000);
    };
    EXPECT_TRUE(opens(IDM_MONTH_CALENDAR, page + "Paris_F%C3%A9vrier2008.html"));
    EXPECT_TRUE(opens(IDM_YEAR_CALENDAR, page + "Paris_2008.html"));
    EXPECT_TRUE(opens(IDM_HELP, page + "help.html"));
    EXPECT_TRUE(opens(IDM_UPDATE, "https://veloranth.example.org/checkversion.php?ppcversion=1.40"))
        << ReadBytes(XdgOpenRecord());
    EXPECT_EQ(ReadBytes(folder_ / L"Paris_F\u00E9vrier2008.html"),
              ReadBytes(kSource / "reports/tests/data/paris-2008-02.html"));
    EXPECT_EQ(ReadBytes(folder_ / "Paris_2008.html"),
              ReadBytes(kSource / "reports/tests/data/paris-2008.html"));

    // No desktop program left to hand a page to: a box says where it lies.
    const wchar_t kBridge[] = L"Software\\Wine\\WineBrowser";
    RegSetKeyValueW(HKEY_CURRENT_USER, kBridge, L"Browsers", REG_MULTI_SZ, L"none\0", 12);
    PostMessageW(window_, WM_COMMAND, IDM_HELP, 0);
    HWND box = WaitForWindow(L"#32770", L"Navigateur", 20000);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kBridge, L"Browsers");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(MessageBoxText(box).find((folder_ / "help.html").wstring()), std::wstring::npos);
    Close(box);
}

// Its own test entry runs it under a clock that starts at 23:59:35 on 6 December 2026.
TEST_F(VeloranthRun, MidnightMovesTheWindowToTheNewDay) {
    SYSTEMTIME t;
    GetLocalTime(&t);
    if (t.wYear != 2026 || t.wMonth != 12 || t.wDay != 6) {
        GTEST_SKIP() << "needs the clock of 6 December 2026, late evening";
    }
    Start();
    Choose(0, kParisDay);  // a chosen date; then Done on "Maintenant" follows the day again
    HWND dialog = Open(IDM_TOWNS, L"Configuration");
    ASSERT_NE(dialog, nullptr);
    SendMessageW(dialog, WM_COMMAND, IDC_NOW, 0);
    Close(dialog);
    // Past midnight, and past the program's next clock tick.
    ASSERT_TRUE(WaitFor([&] { return GetLocalTime(&t), t.wDay == 7 && t.wSecond >= 3; }, 60000));
    Shot("after-midnight");
    HWND box = Open(IDM_PRAYER_TIMES, L"Veloranth");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(MessageBoxText(box).find(L"__ Date : Lundi 7/12/2026"), std::wstring::npos);
    Close(box);
}

// Towns named by their tz zone: the offset of each day in the boxes and the annual page.
TEST_F(VeloranthRun, ZoneTownsTakeTheirOffsetOfEachDay) {
    StartWith(ReadBytes(kSource / "reports/tests/data/zones.cfg"));
    Choose(3, {2026, 6, 1, 15, 12, 0, 0, 0});  // Hyderabad, Asia/Calcutta: +5:30
    Shot("hyderabad-2026-06-15");
    HWND box = Open(IDM_PRAYER_TIMES, L"Veloranth");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), Golden("hyderabad-2026-06-15.box"));
    Close(box);
    Choose(6, {2026, 1, 4, 15, 13, 0, 0, 0});  // St. John's: -3:30
    box = Open(IDM_SUN_POSITION, L"Sun position");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), Golden("stjohns-2026-01-15-1300.sunbox"));
    Close(box);
    Choose(0, {2026, 1, 4, 1, 12, 0, 0, 0});  // Casablanca: an hour less in Ramadan
    PostMessageW(window_, WM_COMMAND, IDM_YEAR_CALENDAR, 0);
    ASSERT_TRUE(WaitFor([&] { return fs::exists(XdgOpenRecord()); }, 20000));
    EXPECT_EQ(ReadBytes(folder_ / "Casablanca_2026.html"),
              ReadBytes(kSource / "reports/tests/data/casablanca-2026.html"));
}

TEST_F(VeloranthRun, ShortcutsFromTheMainWindow) {
    Start();
    SetForegroundWindow(window_);
    SetFocus(window_);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == window_; }));
    PressChord(VK_CONTROL, 'S');
    HWND box = WaitForWindow(L"#32770", L"Veloranth", 5000);
    ASSERT_NE(box, nullptr) << "Ctrl+S";
    Close(box);
    SetForegroundWindow(window_);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == window_; }));
    PressChord(VK_CONTROL, 'A');
    HWND about = WaitForWindow(L"#32770", L"About veloranth", 5000);
    ASSERT_NE(about, nullptr) << "Ctrl+A";
    Close(about);
    SetForegroundWindow(window_);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == window_; }));
    PressChord(VK_CONTROL, 'Q');
    EXPECT_EQ(process_.Wait(), 0) << "Ctrl+Q";
    window_ = nullptr;
}

TEST_F(VeloranthRun, MissingConfigurationIsSaidNotComputed) {
    Start(false);
    Shot("no-config");
    HWND box = Open(IDM_PRAYER_TIMES, L"Veloranth");
    ASSERT_NE(box, nullptr);
    std::wstring text = MessageBoxText(box);
    EXPECT_EQ(text.find(L"La configuration n'a pas pu \u00EAtre lue :\n"), 0u) << text;
    EXPECT_NE(text.find(L"data.cfg"), std::wstring::npos);
    Close(box);
    for (UINT command : {IDM_SUN_POSITION, IDM_QIBLA, IDM_MONTH_CALENDAR, IDM_YEAR_CALENDAR}) {
        box = Open(command, L"Veloranth");
        ASSERT_NE(box, nullptr) << command;
        Close(box);
    }
    HWND about = Open(IDM_ABOUT, L"About veloranth");
    ASSERT_NE(about, nullptr);
    Close(about);
    EXPECT_FALSE(fs::exists(XdgOpenRecord()));
}

// On a desktop-size display each program keeps a handheld-shaped window of its own, side
// by side, with its menu bar and boxes within it, also after the user moved it. Both show
// the shipped Saint-\u00C9tienne, accent and all.
TEST_F(VeloranthRun, DesktopKeepsEachProgramInAHandheldShapedWindow) {
    std::string config = ReadBytes(BuildFolder() / "data.cfg");
    // Saint-\u00C9tienne selected: its place among the town lines; the count as it is.
    int index = -1;
    for (std::size_t at = config.find("\n2 "); at < config.find(" Saint-\xC9tienne ");
         at = config.find("\n2 ", at + 1)) {
        ++index;
    }
    std::size_t line = config.find("\n1 ") + 1, count = config.find(' ', line + 2);
    config.replace(count, config.find('\n', line) - count, " " + std::to_string(index) + " 0");
    fs::path hostFolder = FreshFolder("desktop-host");
    for (const char* f : {"TodayHost.exe", "TodayVeloranth.dll"}) {
        fs::copy_file(BuildFolder() / f, hostFolder / f);
    }
    std::ofstream(hostFolder / "data.cfg", std::ios::binary) << config;
    StartWith(config);
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
    ASSERT_NE(box, nullptr);
    ExpectOnScreen(box);
    Close(box);
}

}  // namespace
}  // namespace veloranth
