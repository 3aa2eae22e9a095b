// The configuration, qibla and About dialogs of the running program, on whichever
// virtual screen the test runs (240 x 320, 320 x 240 or 240 x 240).
#include <string>

#include "testsupport/win/veloranth_run.h"

namespace veloranth {
namespace {

using namespace wintest;

// "Sauve config" and the command line's --add-town at the same moment, 40 times: every
// town added stays, and so does each town chosen in the window.
TEST_F(VeloranthRun, SavesAndCommandLineEditsAtOnceLoseNothing) {
    Start();
    HWND dialog = Open(IDM_TOWNS, L"Configuration");
    for (int i = 0; i < 40; ++i) {
        const fs::path status = folder_ / ("edit" + std::to_string(i));
        ASSERT_TRUE(StartCli("--add-town Paire A" + std::to_string(i) + " 1 1 1 0", status));
        Sleep(i % 4 * 5);  // the edit first, the save first, or both at once
        ASSERT_TRUE(SaveTown(dialog, i % 7));
        ASSERT_TRUE(WaitFor([&] { return ReadBytes(status) == "0\n"; }, 20000)) << i;
        EXPECT_EQ(Header(), std::make_pair(8 + i, i % 7)) << i;
    }
    const std::string saved = ReadBytes(folder_ / "data.cfg");  // a town lost never comes back
    for (int i = 0; i < 40; ++i) {
        EXPECT_NE(saved.find("Paire            A" + std::to_string(i) + " "), saved.npos) << i;
    }
}

// The lock held on Linux: "Sauve config" waits, the program answering its messages all the
// while, then says so in French and changes nothing. Once it is free, every record of the
// file, the lines 7, 9 and 10 and those the program did not use, comes back byte for byte.
TEST_F(VeloranthRun, ConfigurationSaveWaitsForTheLockHeldElsewhere) {
    const std::string records = ReadBytes(kSource / "config/tests/data/records-not-used.cfg");
    StartWith(records);
    ASSERT_TRUE(HoldOnLinux(folder_ / "data.cfg.lock", 7));
    HWND dialog = Open(IDM_TOWNS, L"Configuration");
    SendDlgItemMessageW(dialog, IDC_TOWN, CB_SETCURSEL, 0, 0);  // the file has town 2
    const ULONGLONG start = GetTickCount64();
    PostMessageW(dialog, WM_COMMAND, IDC_SAVE, 0);
    for (int i = 0; i < 6; ++i, Sleep(500)) {
        EXPECT_TRUE(Responds(window_, 300) && Responds(dialog, 300)) << i;
    }
    HWND box = WaitForWindow(L"#32770", L"Sauve config", 5000);
    EXPECT_GE(GetTickCount64() - start, 4900u);
    EXPECT_EQ(MessageBoxText(box),
              L"data.cfg est en cours de modification par un autre programme : rien n'a "
              L"\u00E9t\u00E9 enregistr\u00E9. R\u00E9essayez dans un instant.");
    ExpectOnScreen(box);
    Shot("save-lock-held-" + ScreenSize());
    Close(box);
    EXPECT_EQ(ReadBytes(folder_ / "data.cfg"), records);
    ASSERT_TRUE(WaitFor([&] { return fs::exists(folder_ / "data.cfg.lock.released"); }));
    SaveTown(dialog, 2);
    EXPECT_EQ(ReadBytes(folder_ / "data.cfg"), records);
    Close(dialog, WM_CLOSE);
}

TEST_F(VeloranthRun, ConfigurationListsSavesAndSetsThePresentUntilDone) {
    Start();
    Choose(0, kParisDay);
    HWND dialog = Open(IDM_TOWNS, L"Configuration");
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
    const long long lag = Seconds(now) - Seconds(date);
    EXPECT_TRUE(lag >= 0 && lag <= 5) << lag;
    // Wine runs in French: so do the pickers, with a 24-hour clock.
    const SYSTEMTIME evening = {2026, 12, 0, 6, 22, 32, 8, 0};
    ASSERT_TRUE(SetPickerTime(GetDlgItem(dialog, IDC_DATE), evening));
    ASSERT_TRUE(SetPickerTime(GetDlgItem(dialog, IDC_TIME), evening));
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_DATE)), L"dimanche 6 d\u00E9cembre 2026");
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_TIME)), L"22:32:08");

    // Save stores the town, but closing discards the choice: name and figures stay Paris's.
    SaveTown(dialog, 2);
    EXPECT_EQ(ReadBytes(folder_ / "data.cfg"),
              ReadBytes(kSource / "app/tests/data/saved-town2.cfg"));
    Close(dialog, WM_CLOSE);
    EXPECT_EQ(BoxText(IDM_PRAYER_TIMES), Golden("paris-2007-01-15.box"));
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

TEST_F(VeloranthRun, EmptyTownTableAppliesOnlyTheDate) {
    StartWith("1 0 0 0\n");
    HWND dialog = Open(IDM_TOWNS, L"Configuration");
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_TOWN, CB_GETCOUNT, 0, 0), 0);
    PostMessageW(dialog, WM_COMMAND, IDC_SAVE, 0);
    HWND why = WaitForWindow(L"#32770", L"Sauve config");
    EXPECT_NE(MessageBoxText(why).find(L"vide"), std::wstring::npos);
    Close(why);
    EXPECT_EQ(ReadBytes(folder_ / "data.cfg"), "1 0 0 0\n");
    ASSERT_TRUE(SetPickerTime(GetDlgItem(dialog, IDC_DATE), kParisDay));
    Close(dialog);
    EXPECT_EQ(BoxText(IDM_PRAYER_TIMES).rfind(L"La configuration n'a pas pu", 0), 0u);
}

TEST_F(VeloranthRun, QiblaCompassFillsTheScreen) {
    Start();
    Choose(0, kParisDay);
    HWND qibla = Open(IDM_QIBLA, L"Quibla");
    RECT r = RectOf(qibla), screen = Screen();
    EXPECT_EQ(r.right - r.left, screen.right - screen.left);
    ExpectOnScreen(qibla);
    Shot("qibla-" + ScreenSize());
    Close(qibla);
}

INT_PTR CALLBACK Passive(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// Each control where the orientation's template puts it: a dialog made here from the same
// template, with the same font, is the reference. The dialog manager converts a control's
// width apart from its place, the layout switch its two edges: a right edge may differ by
// a pixel of rounding.
TEST_F(VeloranthRun, AboutFollowsTheScreensOrientation) {
    Start();
    HWND about = Open(IDM_ABOUT, L"About veloranth");
    EXPECT_TRUE(
        WaitFor([&] { return WindowText(GetDlgItem(about, IDC_ABOUT_VERSION)) == L"1.40"; }));
    bool portrait = GetSystemMetrics(SM_CYSCREEN) > GetSystemMetrics(SM_CXSCREEN);
    HMODULE exe = LoadLibraryExW((folder_ / "Veloranth.exe").wstring().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE);
    HWND reference = CreateDialogParamW(
        exe, MAKEINTRESOURCEW(portrait ? IDD_ABOUT : IDD_ABOUT_LANDSCAPE), nullptr, Passive, 0);
    ASSERT_NE(reference, nullptr);
    int compared = 0;
    for (int id : {IDC_ABOUT_ICON, IDC_ABOUT_NAME, IDC_ABOUT_CREDIT1, IDC_ABOUT_CREDIT2,
                   IDC_ABOUT_VERSION}) {
        RECT expected = RectOf(GetDlgItem(reference, id)), actual = RectOf(GetDlgItem(about, id));
        MapWindowPoints(nullptr, reference, reinterpret_cast<POINT*>(&expected), 2);
        MapWindowPoints(nullptr, about, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, expected.left) << id;
        EXPECT_EQ(actual.top, expected.top) << id;
        EXPECT_NEAR(actual.right, expected.right, 1) << id;
        compared += actual.right > actual.left;
    }
    EXPECT_EQ(compared, 5);
    DestroyWindow(reference);
    FreeLibrary(exe);
    ExpectOnScreen(about);
    Shot("about-" + ScreenSize());
    Close(about);
}

}  // namespace
}  // namespace veloranth
