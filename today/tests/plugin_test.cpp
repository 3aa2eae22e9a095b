// TodayVeloranth.dll loaded in-process the way the home screen loads it: loading and
// refusing to load, its log, its exports, the refresh protocol, and the options dialog.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <regex>
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

const std::string kValid = ReadBytes(kSource / "reports/tests/data/reports.cfg");
// With the lines 7, 9 and 10: the plug-in transcribes it as the main program does.
const std::string kRecords = ReadBytes(kSource / "config/tests/data/records.cfg");

// The library in a folder of its own with the given data.cfg (none when null).
fs::path PluginFolder(const char* name, const char* config) {
    fs::path folder = FolderWith(std::string("plugin-") + name, {"TodayVeloranth.dll"});
    fs::copy_file(BuildFolder() / "recorder.exe", folder / "Veloranth.exe");
    if (config != nullptr) {
        std::ofstream(folder / "data.cfg", std::ios::binary) << config;
    }
    return folder;
}

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

// The boxes of each load (caption: text), the log only when data.cfg cannot be opened.
TEST(PluginLoad, LoadsAValidConfigurationAndRefusesTheOthersWithTheirMessages) {
    struct Case {
        const char* name;
        const char* config;
        std::vector<std::wstring> boxes;
        bool loads = false;
    } cases[] = {
        {"valid", kValid.c_str(), {}, true},
        {"records", kRecords.c_str(), {}, true},
        {"notices",
         "1 1 0 0\n9 2 0\n2 F P 48.85 2.35 1 1 12\n",
         {L"Read error: HijriShown 2 out of range (0 to 1), line not used",
          L"Read error: Convention 12 of town P is not defined"},
         true},
        {"empty", "", {L"Read error: Selected town out of range"}},
        {"type99",
         "1 1 0 0\n99 x\n2 F P 48.85 2.35 1 1 0\n",
         {L"Read error: bad format of data.cfg"}},
        {"count",
         "1 2 0 0\n2 F P 48 2 1 1 0\n",
         {L"Read error: Number of towns does not match NTowns"}},
        {"zone",
         "1 1 0 0\n2 Mars Olympus 18.6 -133.8 Mars/Olympus 0 0\n",
         {L"Read error: Town 0 (Olympus) has an unknown time zone Mars/Olympus, not used",
          L"Read error: Number of towns does not match NTowns"}},
        {"missing", nullptr, {L"File open error: data.cfg"}},  // last: its log is read below
    };
    SetCurrentDirectoryW(L"C:\\");
    for (const Case& c : cases) {
        fs::remove(kLog);
        fs::path folder = PluginFolder(c.name, c.config);
        std::wstring prefix = folder.wstring() + L"\\";
        {
            Load load(folder);
            EXPECT_EQ(load.module != nullptr, c.loads) << c.name;
            EXPECT_TRUE(load.module || load.error == DWORD{ERROR_DLL_INIT_FAILED}) << c.name;
            std::vector<std::wstring> seen;
            for (auto [caption, text] : load.boxes) {
                seen.push_back(caption + L": " +
                               text.erase(0, text.rfind(prefix, 0) ? 0 : prefix.size()));
            }
            EXPECT_EQ(seen, c.boxes) << c.name;
        }
        if (c.boxes.empty()) {  // the same transcription as the main program's
            EXPECT_EQ(ReadBytes(folder / "read_echo.cfg"),
                      kTranscriptionHeading + std::string(c.config));
        }
        EXPECT_EQ(fs::exists(kLog), c.config == nullptr) << c.name;
    }
    // Time stamps and thread, the program, the error; the last line from the unload.
    const std::string at = R"(\d\d:\d\d:\d\d\(-?\d+\),thr 0x[0-9A-F]{8} : )";
    const std::regex missingLog(
        at + "={45}\r\n" + at + R"(Log is started on [\d.]+, at [\d:]+, executable: .*)" +
        R"(today_plugin_tests\.exe \(ProcID: 0x[0-9a-f]{8}\), compile time : .+\r\n)" + at +
        "Cannot open data.cfg file\r\n" + at + R"(GetLastError returned : 0x00000002: .*\)\r\n)" +
        at + "Log finished\r\n");
    std::string log = ReadBytes(kLog);
    EXPECT_TRUE(std::regex_match(log, missingLog)) << log;
}

// Two exports by ordinal and no names, then the item as the home screen makes it (a tap's
// new height and the paint with the host's colours are the host's test).
TEST(PluginItem, ExportsAndRefreshProtocol) {
    ExportCounts exports;
    ASSERT_TRUE(ReadExportCounts(BuildFolder() / "TodayVeloranth.dll", exports));
    EXPECT_TRUE(exports.ordinalBase == 240u && exports.functions == 2u && exports.names == 0u);
    Load load(PluginFolder("item", kValid.c_str()));
    ASSERT_NE(load.module, nullptr);
    auto initialize = ItemExport<PFNCUSTOMINITIALIZEITEM>(load.module, 240);
    HWND home = CreateWindowExW(0, L"STATIC", L"home", WS_OVERLAPPEDWINDOW, 0, 0, 240, 320, nullptr,
                                nullptr, nullptr, nullptr);
    TODAYLISTITEM item{};
    EXPECT_EQ(initialize(&item, home), nullptr);  // a disabled item has no window
    item.fEnabled = TRUE;
    HWND window = initialize(&item, home);
    ASSERT_NE(window, nullptr);
    auto query = [&] {
        return SendMessageW(window, WM_TODAYCUSTOM_QUERYREFRESHCACHE, 0,
                            reinterpret_cast<LPARAM>(&item));
    };
    EXPECT_TRUE(query() == TRUE && item.cyp == 16u);
    item.cyp = 0;
    EXPECT_TRUE(query() == FALSE && item.cyp == 0u);  // nothing changed since
    UpdateWindow(window);  // a paint with a home screen that gives no colours
    DestroyWindow(window);
    DestroyWindow(home);
}

// The options dialog's button starts Veloranth.exe from the library's folder; when the
// library's own path fills the 256-character buffer there is no room for the name.
TEST(PluginOptions, AFolderTooLongForThePathIsRefused) {
    fs::path folder = PluginFolder("long", kValid.c_str());
    std::wstring deep = folder.wstring() + L"\\";
    deep.append(256 - deep.size() - std::wstring(L"TodayVeloranth.dll").size() + 1, L'd');
    fs::create_directories(deep);
    for (const char* f : {"Veloranth.exe", "TodayVeloranth.dll", "data.cfg"}) {
        fs::copy_file(folder / f, deep / fs::path(f));
    }
    Load load(deep);
    ASSERT_NE(load.module, nullptr) << deep.size();
    bool started = false;
    std::thread user([&] {
        HWND dialog = WaitForWindow(L"#32770", L"Configuration");
        SendMessageW(dialog, WM_COMMAND, 1001, 0);
        started = WaitFor([&] { return fs::exists(deep + L"\\Veloranth.exe.called.txt"); }, 3000);
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(DialogBoxParamW(load.module, MAKEINTRESOURCEW(500), nullptr,
                              ItemExport<DLGPROC>(load.module, 241), 0),
              IDOK);
    user.join();
    EXPECT_FALSE(started);
}

}  // namespace
}  // namespace veloranth::today
