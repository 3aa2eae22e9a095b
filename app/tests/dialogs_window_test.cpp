// The configuration, qibla and About dialogs of the running program, on whichever
// virtual screen the test runs (240 x 320, 320 x 240 or 240 x 240).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/tests/veloranth_run.h"

namespace veloranth {
namespace {

namespace fs = std::filesystem;
using namespace wintest;

double SecondsBetween(SYSTEMTIME from, SYSTEMTIME to) {
    from.wMilliseconds = to.wMilliseconds = 0;
    FILETIME a, b;
    SystemTimeToFileTime(&from, &a);
    SystemTimeToFileTime(&to, &b);
    auto ticks = [](FILETIME f) {
        return (static_cast<long long>(f.dwHighDateTime) << 32) | f.dwLowDateTime;
    };
    return (ticks(b) - ticks(a)) / 1e7;
}

TEST_F(VeloranthRun, ConfigurationListsTheTownsAndNowSetsThePresent) {
    Start();
    HWND dialog = Open(IDM_TOWNS, L"Configuration");
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, IDC_TOWN);
    ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 7);
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 0);
    auto entry = [&](int i) {
        wchar_t text[512] = L"";
        SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        return std::wstring(text);
    };
    EXPECT_EQ(entry(0), L"France : Paris");
    EXPECT_EQ(entry(2), L"Norvege : Tromso");
    EXPECT_EQ(entry(5), L"Pays&Co : <Ville>\"A&B\"");
    // 79 + 3 + 79 characters do not fit the entry's 120 bytes: cut, not overrun.
    EXPECT_EQ(entry(4), std::wstring(79, L'C') + L" : " + std::wstring(37, L'N'));
    ExpectOnScreen(dialog);
    Shot("configuration-" + ScreenSize());

    SendMessageW(dialog, WM_COMMAND, IDC_NOW, 0);  // Maintenant
    SYSTEMTIME now, date{}, time{};
    GetLocalTime(&now);
    ASSERT_TRUE(GetPickerTime(GetDlgItem(dialog, IDC_DATE), date));
    ASSERT_TRUE(GetPickerTime(GetDlgItem(dialog, IDC_TIME), time));
    date.wHour = time.wHour, date.wMinute = time.wMinute, date.wSecond = time.wSecond;
    double lag = SecondsBetween(date, now);  // whole instants: a run may cross midnight
    EXPECT_GE(lag, 0);
    EXPECT_LE(lag, 5);
    // Wine runs in French: so do the pickers, with a 24-hour clock.
    const SYSTEMTIME evening = {2026, 12, 0, 6, 22, 32, 8, 0};
    ASSERT_TRUE(SetPickerTime(GetDlgItem(dialog, IDC_DATE), evening));
    ASSERT_TRUE(SetPickerTime(GetDlgItem(dialog, IDC_TIME), evening));
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_DATE)), L"dimanche 6 d\u00E9cembre 2026");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_TIME)), L"22:32:08");

    // Closing discards the choice.
    SendDlgItemMessageW(dialog, IDC_TOWN, CB_SETCURSEL, 2, 0);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    HWND box = Open(IDM_PRAYER_TIMES, L"Veloranth");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box).rfind(L"Lieu : France, Paris\n", 0), 0u);
    Close(box);
}

// 300 generated towns, the 251st selected, countries named A... to Z... in turn: the open
// list shows a screenful of rows, the selected town among them, within the screen.
TEST_F(VeloranthRun, TownListDropsDownAScreenfulAroundTheSelection) {
    std::string config = ReadBytes(kSource / "reports/tests/data/reports.cfg");
    config = config.substr(0, config.find("\n1 ") + 1) + "1 300 250 0\n";
    for (int i = 0; i < 300; ++i) {
        config += "2 " + std::string(1, 'A' + i % 26) + "pays Vill\xE9" + std::to_string(i) +
                  " 45 5 1 1 0\n";
    }
    StartWith(config);
    HWND combo = GetDlgItem(Open(IDM_TOWNS, L"Configuration"), IDC_TOWN), list = nullptr;
    PostMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(WaitFor(
        [&] { return (list = FindWindowW(L"ComboLBox", nullptr)) && IsWindowVisible(list); }));
    RECT client, screen = Screen();
    GetClientRect(list, &client);
    int rows = client.bottom / static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    EXPECT_GE(rows, screen.bottom - screen.top >= 320 ? 8 : 5);
    ExpectOnScreen(list);
    int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    EXPECT_TRUE(top <= 250 && 250 < top + rows) << top;
    Shot("town-list-" + ScreenSize());
}

TEST_F(VeloranthRun, SaveStoresTheTownButTheProgramKeepsItsOwnUntilDone) {
    Start();
    Choose(0, kParisDay);
    HWND dialog = Open(IDM_TOWNS, L"Configuration");
    ASSERT_NE(dialog, nullptr);
    SendDlgItemMessageW(dialog, IDC_TOWN, CB_SETCURSEL, 2, 0);
    SendMessageW(dialog, WM_COMMAND, IDC_SAVE, 0);  // Sauve config
    EXPECT_EQ(ReadBytes(folder_ / "data.cfg"),
              ReadBytes(kSource / "app/tests/data/saved-town2.cfg"));
    EXPECT_FALSE(fs::exists(folder_ / "data.cfg.new"));
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));

    // Name and figures still belong to Paris.
    HWND box = Open(IDM_PRAYER_TIMES, L"Veloranth");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), Golden("paris-2007-01-15.box"));
    Close(box);
}

// The shipped file holds conventions above 8 and high-latitude rules: a save keeps them.
TEST_F(VeloranthRun, SaveWritesEveryConventionAndRuleBackByteForByte) {
    const std::string shipped = ReadBytes(kSource / "data/data.cfg");
    StartWith(shipped);
    HWND dialog = Open(IDM_TOWNS, L"Configuration");
    ASSERT_NE(dialog, nullptr);
    SendMessageW(dialog, WM_COMMAND, IDC_SAVE, 0);  // Sauve config
    EXPECT_EQ(ReadBytes(folder_ / "data.cfg"), shipped);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
}

TEST_F(VeloranthRun, EmptyTownTableAppliesOnlyTheDate) {
    StartWith("1 0 0 0\n");
    HWND dialog = Open(IDM_TOWNS, L"Configuration");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_TOWN, CB_GETCOUNT, 0, 0), 0);
    PostMessageW(dialog, WM_COMMAND, IDC_SAVE, 0);
    HWND why = WaitForWindow(L"#32770", L"Sauve config");
    ASSERT_NE(why, nullptr);
    EXPECT_NE(MessageBoxText(why).find(L"vide"), std::wstring::npos);
    Close(why);
    EXPECT_EQ(ReadBytes(folder_ / "data.cfg"), "1 0 0 0\n");
    ASSERT_TRUE(SetPickerTime(GetDlgItem(dialog, IDC_DATE), kParisDay));
    Close(dialog);
    EXPECT_TRUE(Responds(window_));
    HWND box = Open(IDM_PRAYER_TIMES, L"Veloranth");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box).rfind(L"La configuration n'a pas pu", 0), 0u);
    Close(box);
}

TEST_F(VeloranthRun, QiblaCompassFillsTheScreen) {
    Start();
    Choose(0, kParisDay);
    HWND qibla = Open(IDM_QIBLA, L"Quibla");
    ASSERT_NE(qibla, nullptr);
    RECT r = RectOf(qibla), screen = Screen();
    EXPECT_EQ(r.right - r.left, screen.right - screen.left);
    ExpectOnScreen(qibla);
    Shot("qibla-" + ScreenSize());
    Close(qibla);
}

INT_PTR CALLBACK Passive(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// A control's expected client rectangle: the template's dialog units converted with the
// dialog's own font, in a dialog made here from the same template.
RECT ExpectedRect(HMODULE exe, int templateId, int x, int y, int cx, int cy) {
    HRSRC found = FindResourceW(exe, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    auto* dialogTemplate = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(exe, found)));
    HWND probe = CreateDialogIndirectParamW(exe, dialogTemplate, nullptr, Passive, 0);
    RECT r = {x, y, x + cx, y + cy};
    MapDialogRect(probe, &r);
    DestroyWindow(probe);
    return r;
}

TEST_F(VeloranthRun, AboutFollowsTheScreensOrientation) {
    Start();
    HWND about = Open(IDM_ABOUT, L"About veloranth");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(
        WaitFor([&] { return WindowText(GetDlgItem(about, IDC_ABOUT_VERSION)) == L"1.40"; }));
    bool portrait = GetSystemMetrics(SM_CYSCREEN) > GetSystemMetrics(SM_CXSCREEN);
    struct Place {
        int id, x, y, cx, cy;
    };
    const Place portraitPlaces[] = {{IDC_ABOUT_ICON, 12, 12, 20, 20},
                                    {IDC_ABOUT_NAME, 12, 36, 61, 8},
                                    {IDC_ABOUT_CREDIT1, 21, 63, 66, 8},
                                    {IDC_ABOUT_CREDIT2, 17, 50, 70, 8},
                                    {IDC_ABOUT_VERSION, 76, 36, 18, 8}};
    const Place landscapePlaces[] = {{IDC_ABOUT_ICON, 12, 12, 20, 20},
                                     {IDC_ABOUT_NAME, 47, 19, 57, 8},
                                     {IDC_ABOUT_CREDIT1, 57, 46, 66, 8},
                                     {IDC_ABOUT_CREDIT2, 53, 33, 70, 8},
                                     {IDC_ABOUT_VERSION, 107, 19, 18, 8}};
    HMODULE exe = LoadLibraryExW((folder_ / "Veloranth.exe").wstring().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    for (const Place& p : portrait ? portraitPlaces : landscapePlaces) {
        RECT expected =
            ExpectedRect(exe, portrait ? IDD_ABOUT : IDD_ABOUT_LANDSCAPE, p.x, p.y, p.cx, p.cy);
        RECT actual;
        GetWindowRect(GetDlgItem(about, p.id), &actual);
        MapWindowPoints(nullptr, about, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left) << p.id;
        EXPECT_EQ(actual.top, expected.top) << p.id;
        EXPECT_GT(actual.right, actual.left) << p.id;
        if (p.id != IDC_ABOUT_ICON) {  // an icon static sizes itself to its icon
            EXPECT_EQ(actual.right, expected.right) << p.id;
        }
    }
    FreeLibrary(exe);
    ExpectOnScreen(about);
    Shot("about-" + ScreenSize());
    Close(about);
}

}  // namespace
}  // namespace veloranth
