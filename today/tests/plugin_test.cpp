// TodayVeloranth.dll loaded in-process the way the home screen loads it: loading and
// refusing to load, its log, its exports, the refresh protocol, and the options dialog.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <thread>

#include "config/parser.h"
#include "testsupport/win/driver.h"
#include "today/today_screen.h"

namespace veloranth::today {
namespace {

namespace fs = std::filesystem;
using namespace wintest;

const fs::path kSource = VELORANTH_SOURCE_DIR;
const fs::path kLog = L"C:\\today_plugin_tests_log.txt";  // named after this test program

// The library in a folder of its own with the given data.cfg (none when null).
fs::path PluginFolder(const char* name, const std::string* config) {
    fs::path folder = FreshFolder(std::string("plugin-") + name);
    fs::copy_file(BuildFolder() / "TodayVeloranth.dll", folder / "TodayVeloranth.dll");
    fs::copy_file(BuildFolder() / "recorder.exe", folder / "Veloranth.exe");
    if (config != nullptr) {
        std::ofstream(folder / "data.cfg", std::ios::binary) << *config;
    }
    return folder;
}

const std::string kValid = ReadBytes(kSource / "reports/tests/data/reports.cfg");

struct Load {
    HMODULE module = nullptr;
    DWORD error = 0;
    std::vector<std::pair<std::wstring, std::wstring>> boxes;
    Load(const fs::path& folder) {
        BoxCloser watcher({L"File open error", L"Read error", L"Allocation error"});
        module = LoadLibraryW((folder / "TodayVeloranth.dll").wstring().c_str());
        error = GetLastError();
        watcher.Stop();  // a load's boxes are closed before it returns
        boxes = watcher.seen;
    }
    ~Load() {
        if (module != nullptr) {
            FreeLibrary(module);
        }
    }
};

TEST(PluginLoad, ValidConfigurationLoadsAndWritesNoLog) {
    SetCurrentDirectoryW(L"C:\\");
    fs::remove(kLog);
    {
        fs::path folder = PluginFolder("valid", &kValid);
        Load load(folder);
        ASSERT_NE(load.module, nullptr);
        EXPECT_TRUE(load.boxes.empty());
        // The same transcription as the main program's.
        EXPECT_EQ(ReadBytes(folder / "read_echo.cfg"), kTranscriptionHeading + kValid);
    }
    EXPECT_FALSE(fs::exists(kLog));
}

TEST(PluginLoad, MissingConfigurationRefusesAndLogs) {
    SetCurrentDirectoryW(L"C:\\");
    fs::remove(kLog);
    fs::path folder = PluginFolder("missing", nullptr);
    Load load(folder);
    EXPECT_EQ(load.module, nullptr);
    EXPECT_EQ(load.error, static_cast<DWORD>(ERROR_DLL_INIT_FAILED));
    ASSERT_EQ(load.boxes.size(), 1u);
    EXPECT_EQ(load.boxes[0].first, L"File open error");
    EXPECT_EQ(load.boxes[0].second, (folder / "data.cfg").wstring());

    std::string log = ReadBytes(kLog);
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = log.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        std::string line = log.substr(start, end - start);
        lines.push_back(line.substr(line.find(" : ") + 3));  // after time stamp and thread
    }
    ASSERT_EQ(lines.size(), 5u) << log;
    EXPECT_EQ(lines[0], std::string(45, '='));
    EXPECT_EQ(lines[1].rfind("Log is started on ", 0), 0u);
    EXPECT_NE(lines[1].find("executable: "), std::string::npos);
    EXPECT_NE(lines[1].find("today_plugin_tests.exe (ProcID: 0x"), std::string::npos);
    EXPECT_NE(lines[1].find(", compile time : "), std::string::npos);
    EXPECT_EQ(lines[2], "Cannot open data.cfg file");
    EXPECT_EQ(lines[3].rfind("GetLastError returned : 0x00000002: ", 0), 0u) << lines[3];
    EXPECT_EQ(lines[3].back(), ')');
    EXPECT_EQ(lines[4], "Log finished");  // the library's exit-time clean-up
    EXPECT_NE(log.find(",thr 0x"), std::string::npos);
}

TEST(PluginLoad, UnusableConfigurationsRefuseWithTheirMessages) {
    struct Case {
        const char* name;
        std::string config;
        std::vector<std::wstring> messages;
    } cases[] = {
        {"empty", "", {L"Selected town out of range"}},
        {"type7", "1 1 0 0\n7 x\n2 France Paris 48.85 2.35 1 1 0\n", {L"bad format of data.cfg"}},
        {"count",
         "1 2 0 0\n2 France Paris 48.85 2.35 1 1 0\n",
         {L"Number of towns does not match NTowns"}},
        {"zone",
         "1 1 0 0\n2 Mars Olympus 18.6 -133.8 Mars/Olympus 0 0\n",
         {L"Town 0 (Olympus) has an unknown time zone Mars/Olympus, not used",
          L"Number of towns does not match NTowns"}},
    };
    for (const Case& c : cases) {
        Load load(PluginFolder(c.name, &c.config));
        EXPECT_EQ(load.module, nullptr) << c.name;
        std::vector<std::wstring> seen;
        for (const auto& [caption, text] : load.boxes) {
            EXPECT_EQ(caption, L"Read error");
            seen.push_back(text);
        }
        EXPECT_EQ(seen, c.messages) << c.name;
    }
}

TEST(PluginExports, ExactlyOrdinals240And241WithoutNames) {
    ExportCounts exports;
    ASSERT_TRUE(ReadExportCounts(BuildFolder() / "TodayVeloranth.dll", exports));
    EXPECT_EQ(exports.ordinalBase, 240u);
    EXPECT_EQ(exports.functions, 2u);
    EXPECT_EQ(exports.names, 0u);

    Load load(PluginFolder("exports", &kValid));
    ASSERT_NE(load.module, nullptr);
    EXPECT_NE(GetProcAddress(load.module, MAKEINTRESOURCEA(240)), nullptr);
    EXPECT_NE(GetProcAddress(load.module, MAKEINTRESOURCEA(241)), nullptr);
    EXPECT_EQ(GetProcAddress(load.module, "InitializeCustomItem"), nullptr);
}

LRESULT CALLBACK HomeScreen(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TODAYM_GETCOLOR) {
        return RGB(0, 0, 0);
    }
    if (message == TODAYM_DRAWWATERMARK) {
        auto* info = reinterpret_cast<TODAYDRAWWATERMARKINFO*>(lParam);
        FillRect(info->hdc, &info->rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(PluginItem, RefreshProtocolAndTaps) {
    Load load(PluginFolder("item", &kValid));
    ASSERT_NE(load.module, nullptr);
    auto initialize = ItemExport<PFNCUSTOMINITIALIZEITEM>(load.module, 240);
    WNDCLASSW wc{};
    wc.lpfnWndProc = HomeScreen;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TestHomeScreen";
    RegisterClassW(&wc);
    HWND home = CreateWindowExW(0, wc.lpszClassName, L"home", WS_OVERLAPPEDWINDOW, 0, 0, 240, 320,
                                nullptr, nullptr, wc.hInstance, nullptr);

    TODAYLISTITEM item{};
    item.fEnabled = FALSE;
    EXPECT_EQ(initialize(&item, home), nullptr);
    item.fEnabled = TRUE;
    HWND window = initialize(&item, home);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetParent(window), home);
    EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE);

    auto query = [&] {
        return SendMessageW(window, WM_TODAYCUSTOM_QUERYREFRESHCACHE, 0,
                            reinterpret_cast<LPARAM>(&item));
    };
    EXPECT_EQ(query(), TRUE);
    EXPECT_EQ(item.cyp, 16u);
    item.cyp = 0;
    EXPECT_EQ(query(), FALSE);
    EXPECT_EQ(item.cyp, 0u);
    SendMessageW(window, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(query(), TRUE);
    EXPECT_EQ(item.cyp, 32u);
    SendMessageW(window, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(query(), TRUE);
    EXPECT_EQ(item.cyp, 16u);
    MoveWindow(window, 0, 0, 240, 16, TRUE);
    UpdateWindow(window);  // a paint with the home screen's colour and background
    DestroyWindow(window);
    DestroyWindow(home);
}

int StartsRecorded(const fs::path& folder) {
    std::string log = ReadBytes(folder / "Veloranth.exe.called.txt");
    return static_cast<int>(std::count(log.begin(), log.end(), '\n'));
}

// The options dialog: its button starts Veloranth.exe from the library's folder each
// time it is pressed, and the dialog stays open until Done.
void PressOptionsButtonTwice(const fs::path& folder, HMODULE module, bool& stayedOpen) {
    auto procedure = ItemExport<DLGPROC>(module, 241);
    std::thread user([&] {
        HWND dialog = WaitForWindow(L"#32770", L"Configuration");
        if (dialog == nullptr) {
            return;
        }
        SendMessageW(dialog, WM_COMMAND, 1001, 0);
        SendMessageW(dialog, WM_COMMAND, 1001, 0);
        stayedOpen = IsWindowVisible(dialog) != 0;
        WaitFor([&] { return StartsRecorded(folder) == 2; }, 5000);
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(DialogBoxParamW(module, MAKEINTRESOURCEW(500), nullptr, procedure, 0), IDOK);
    user.join();
}

TEST(PluginOptions, AFolderTooLongForThePathIsRefused) {
    // The library's own path fills the 256-character buffer: no room for Veloranth.exe.
    fs::path base = PluginFolder("long", nullptr);
    std::wstring deep = base.wstring() + L"\\";
    while (deep.size() + std::wstring(L"TodayVeloranth.dll").size() < 257) {
        deep += L"d";
    }
    fs::create_directories(deep);
    fs::path folder = deep;
    fs::copy_file(base / "Veloranth.exe", folder / "Veloranth.exe");
    fs::copy_file(base / "TodayVeloranth.dll", folder / "TodayVeloranth.dll");
    std::ofstream(folder / "data.cfg", std::ios::binary) << kValid;
    Load load(folder);
    ASSERT_NE(load.module, nullptr) << (folder / "TodayVeloranth.dll").wstring().size();
    bool stayedOpen = false;
    PressOptionsButtonTwice(folder, load.module, stayedOpen);
    EXPECT_EQ(StartsRecorded(folder), 0);
}

}  // namespace
}  // namespace veloranth::today
