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

TEST_F(VeloranthRun, ConfigurationListsTheTownsAndNowSetsThePresent) {
    Start();
    HWND dialog = Open(40011, L"Configuration");
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, 1006);
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
    Shot("configuration-" + ScreenSize());

    SendMessageW(dialog, WM_COMMAND, 1010, 0);  // Maintenant
    SYSTEMTIME now, date{}, time{};
    GetLocalTime(&now);
    ASSERT_TRUE(GetPickerTime(GetDlgItem(dialog, 1008), date));
    ASSERT_TRUE(GetPickerTime(GetDlgItem(dialog, 1009), time));
    EXPECT_EQ(date.wYear, now.wYear);
    EXPECT_EQ(date.wMonth, now.wMonth);
    EXPECT_EQ(date.wDay, now.wDay);
    int seconds = (now.wHour * 60 + now.wMinute) * 60 + now.wSecond;
    int shown = (time.wHour * 60 + time.wMinute) * 60 + time.wSecond;
    EXPECT_LE(seconds - shown, 5);
    EXPECT_GE(seconds - shown, 0);

    // Closing discards the choice.
    SendDlgItemMessageW(dialog, 1006, CB_SETCURSEL, 2, 0);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    HWND box = Open(40021, L"Veloranth");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box).rfind(L"Lieu : France, Paris\n", 0), 0u);
    Close(box);
}

TEST_F(VeloranthRun, SaveStoresTheTownButTheProgramKeepsItsOwnUntilDone) {
    Start();
    Choose(0, kParisDay);
    HWND dialog = Open(40011, L"Configuration");
    ASSERT_NE(dialog, nullptr);
    SendDlgItemMessageW(dialog, 1006, CB_SETCURSEL, 2, 0);
    SendMessageW(dialog, WM_COMMAND, 1007, 0);  // Sauve config
    EXPECT_EQ(ReadBytes(folder_ / "data.cfg"),
              ReadBytes(kSource / "app/tests/data/saved-town2.cfg"));
    EXPECT_FALSE(fs::exists(folder_ / "data.cfg.new"));
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));

    // Name and figures still belong to Paris.
    HWND box = Open(40021, L"Veloranth");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), Golden("paris-2007-01-15.box"));
    Close(box);
}

TEST_F(VeloranthRun, EmptyTownTableAppliesOnlyTheDate) {
    StartWith("1 0 0 0\n");
    HWND dialog = Open(40011, L"Configuration");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendDlgItemMessageW(dialog, 1006, CB_GETCOUNT, 0, 0), 0);
    PostMessageW(dialog, WM_COMMAND, 1007, 0);
    HWND why = WaitForWindow(L"#32770", L"Sauve config");
    ASSERT_NE(why, nullptr);
    EXPECT_NE(MessageBoxText(why).find(L"vide"), std::wstring::npos);
    Close(why);
    EXPECT_EQ(ReadBytes(folder_ / "data.cfg"), "1 0 0 0\n");
    ASSERT_TRUE(SetPickerTime(GetDlgItem(dialog, 1008), kParisDay));
    Close(dialog);
    EXPECT_TRUE(Responds(window_));
    HWND box = Open(40021, L"Veloranth");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box).rfind(L"La configuration n'a pas pu", 0), 0u);
    Close(box);
}

TEST_F(VeloranthRun, QiblaCompassForSeveralTowns) {
    Start();
    const int towns[] = {0, 2, 3, 6};
    for (int town : towns) {
        Choose(town, kParisDay);
        HWND qibla = Open(32773, L"Quibla");
        ASSERT_NE(qibla, nullptr);
        RECT r;
        GetWindowRect(qibla, &r);
        EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXSCREEN));
        Shot("qibla-town" + std::to_string(town) + "-" + ScreenSize());
        Close(qibla);
    }
}

INT_PTR CALLBACK Passive(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// A control's expected client rectangle: the template's dialog units converted with the
// dialog's own font, in a dialog made here from the same template.
RECT ExpectedRect(HMODULE exe, int templateId, int x, int y, int cx, int cy) {
    HRSRC found = FindResourceW(exe, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5));
    auto* dialogTemplate = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(exe, found)));
    HWND probe = CreateDialogIndirectParamW(exe, dialogTemplate, nullptr, Passive, 0);
    RECT r = {x, y, x + cx, y + cy};
    MapDialogRect(probe, &r);
    DestroyWindow(probe);
    return r;
}

TEST_F(VeloranthRun, AboutFollowsTheScreensOrientation) {
    Start();
    HWND about = Open(40031, L"About veloranth");
    ASSERT_NE(about, nullptr);
    Sleep(500);
    EXPECT_EQ(WindowText(GetDlgItem(about, 205)), L"1.40");
    bool portrait = GetSystemMetrics(SM_CYSCREEN) > GetSystemMetrics(SM_CXSCREEN);
    struct Place {
        int id, x, y, cx, cy;
    };
    const Place portraitPlaces[] = {{201, 12, 12, 20, 20},
                                    {202, 12, 36, 61, 8},
                                    {203, 21, 63, 66, 8},
                                    {204, 17, 50, 70, 8},
                                    {205, 76, 36, 18, 8}};
    const Place landscapePlaces[] = {{201, 12, 12, 20, 20},
                                     {202, 47, 19, 57, 8},
                                     {203, 57, 46, 66, 8},
                                     {204, 53, 33, 70, 8},
                                     {205, 107, 19, 18, 8}};
    HMODULE exe = LoadLibraryExW((folder_ / "Veloranth.exe").wstring().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    for (const Place& p : portrait ? portraitPlaces : landscapePlaces) {
        RECT expected = ExpectedRect(exe, portrait ? 105 : 106, p.x, p.y, p.cx, p.cy);
        RECT actual;
        GetWindowRect(GetDlgItem(about, p.id), &actual);
        MapWindowPoints(nullptr, about, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left) << p.id;
        EXPECT_EQ(actual.top, expected.top) << p.id;
        if (p.id != 201) {  // an icon static sizes itself to its icon
            EXPECT_EQ(actual.right, expected.right) << p.id;
        }
    }
    FreeLibrary(exe);
    Shot("about-" + ScreenSize());
    Close(about);
}

}  // namespace
}  // namespace veloranth
