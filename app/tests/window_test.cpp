// Veloranth.exe driven for real under Wine on a 240 x 320 virtual display: its window,
// menu bar, commands, boxes and calendars, read back and photographed.
#include <algorithm>
#include <string>
#include <vector>

#include "testsupport/win/veloranth_run.h"

namespace veloranth {
namespace {

using namespace wintest;

TEST_F(VeloranthRun, SingleInstance) {
    Start();
    Process second(folder_ / "Veloranth.exe");
    EXPECT_EQ(second.Wait(), 0);
    EXPECT_EQ(FindWindowExW(nullptr, window_, L"VELORANTH", nullptr), nullptr);
    Shot("window");
}

TEST_F(VeloranthRun, MenuBarButtonsAndTheirPopupMenus) {
    Start();
    std::wstring buttons;
    for (HWND b = GetWindow(bar_, GW_CHILD); b; b = GetWindow(b, GW_HWNDNEXT)) {
        buttons += WindowText(b) + L"|";
    }
    EXPECT_EQ(buttons, L"Exit|Config|Compute|Help|");
    // Menus belong to their process: the pop-ups are read from the program's resources.
    HMODULE exe = LoadLibraryExW((folder_ / "Veloranth.exe").wstring().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE);
    HMENU menu = LoadMenuW(exe, MAKEINTRESOURCEW(IDR_MENUBAR));
    std::wstring items;
    std::vector<UINT> ids;
    for (int p = 0; p < GetMenuItemCount(menu); ++p) {
        wchar_t label[64] = L"";
        GetMenuStringW(menu, p, label, 64, MF_BYPOSITION);
        items += std::wstring(label) + L":";
        HMENU popup = GetSubMenu(menu, p);
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            GetMenuStringW(popup, i, label, 64, MF_BYPOSITION);
            items += std::wstring(label) + L"|";
            ids.push_back(GetMenuItemID(popup, i));
        }
    }
    // Each label with its command, in order.
    EXPECT_EQ(items,
              L"Config:&Villes|Calcule:&Heure de pri\u00E8re|Position &Soleil|&Quibla|"
              L"Calendrier &Mensuel|Calendrier &Annuel|Calendrier du &Ramadan|Aide:&Aide|"
              L"&Mise \u00E0 jour|A &propos|");
    EXPECT_EQ(ids, (std::vector<UINT>{IDM_TOWNS, IDM_PRAYER_TIMES, IDM_SUN_POSITION, IDM_QIBLA,
                                      IDM_MONTH_CALENDAR, IDM_YEAR_CALENDAR, IDM_RAMADAN_CALENDAR,
                                      IDM_HELP, IDM_UPDATE, IDM_ABOUT}));
    DestroyMenu(menu);
    FreeLibrary(exe);
}

TEST_F(VeloranthRun, BoxesShowTheChosenDayByteForByte) {
    Start();
    Choose(0, kParisDay);
    Shot("paris-2007-01-15");
    HWND box = Open(IDM_PRAYER_TIMES, L"Veloranth");
    EXPECT_EQ(MessageBoxText(box), Golden("paris-2007-01-15.box"));
    Shot("prayer-box");
    Close(box);
    box = Open(IDM_SUN_POSITION, L"Sun position");
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

// Where line 9 asks for it, the Hijri date stands under the date in the summary (a line of
// its own, nothing cut in any screen shape: see the screenshots) and in the box.
TEST_F(VeloranthRun, BoxesAndSummaryShowTheHijriDate) {
    StartWith(ReadBytes(kSource / "reports/tests/data/reports.cfg") + "9 1 -1\n");
    Choose(1, {2026, 3, 4, 19, 12, 0, 0, 0});  // Mecca, 29 Ramadan by a day's shift
    Shot("hijri-summary-" + ScreenSize());
    HWND box = Open(IDM_PRAYER_TIMES, L"Veloranth");
    EXPECT_EQ(MessageBoxText(box), Golden("mecca-2026-03-19-hijri.box"));
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
    EXPECT_TRUE(opens(IDM_RAMADAN_CALENDAR, page + "Paris_Ramadan1429.html"));
    EXPECT_TRUE(opens(IDM_HELP, page + "help.html"));
    EXPECT_TRUE(opens(IDM_UPDATE, "https://veloranth.example.org/checkversion.php?ppcversion=1.40"))
        << ReadBytes(XdgOpenRecord());
    EXPECT_EQ(ReadBytes(folder_ / L"Paris_F\u00E9vrier2008.html"),
              ReadBytes(kSource / "reports/tests/data/paris-2008-02.page"));
    EXPECT_EQ(ReadBytes(folder_ / "Paris_2008.html"),
              ReadBytes(kSource / "reports/tests/data/paris-2008.page"));

    // No desktop program left to hand a page to: a box says where it lies.
    const wchar_t kBridge[] = L"Software\\Wine\\WineBrowser";
    RegSetKeyValueW(HKEY_CURRENT_USER, kBridge, L"Browsers", REG_MULTI_SZ, L"none\0", 12);
    PostMessageW(window_, WM_COMMAND, IDM_HELP, 0);
    HWND box = WaitForWindow(L"#32770", L"Navigateur", 20000);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kBridge, L"Browsers");
    EXPECT_NE(MessageBoxText(box).find((folder_ / "help.html").wstring()), std::wstring::npos);
    Close(box);
}

TEST_F(VeloranthRun, ShortcutsFromTheMainWindow) {
    Start();
    auto press = [&](WORD key) {
        SetForegroundWindow(window_);
        SetFocus(window_);
        EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == window_; }));
        PressChord(VK_CONTROL, key);
    };
    press('S');
    Close(WaitForWindow(L"#32770", L"Veloranth", 5000));
    press('A');
    Close(WaitForWindow(L"#32770", L"About veloranth", 5000));
    press('Q');
    EXPECT_EQ(process_.Wait(), 0) << "Ctrl+Q";
    window_ = nullptr;
}

TEST_F(VeloranthRun, MissingConfigurationIsSaidNotComputed) {
    StartWith("");
    Shot("no-config");
    std::wstring text = BoxText(IDM_PRAYER_TIMES);
    EXPECT_EQ(text.find(L"La configuration n'a pas pu \u00EAtre lue :\n"), 0u) << text;
    EXPECT_NE(text.find(L"data.cfg"), std::wstring::npos);
    for (UINT command : {IDM_SUN_POSITION, IDM_QIBLA, IDM_MONTH_CALENDAR, IDM_YEAR_CALENDAR,
                         IDM_RAMADAN_CALENDAR}) {
        EXPECT_EQ(BoxText(command), text);
    }
    Close(Open(IDM_ABOUT, L"About veloranth"));
    EXPECT_FALSE(fs::exists(XdgOpenRecord()));
}

}  // namespace
}  // namespace veloranth
