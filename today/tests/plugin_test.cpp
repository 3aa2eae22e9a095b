// TodayVeloranth.dll loaded in-process the way the home screen loads it: loading and
// refusing to load, its log, its exports, the refresh protocol, and the options dialog.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <fstream>
#include <set>
#include <thread>

#include "config/parser.h"
#include "testsupport/win/driver.h"
#include "today/plugin_reader.h"
#include "today/today_screen.h"

namespace veloranth::today {
namespace {

namespace fs = std::filesystem;
using namespace wintest;

const fs::path kSource = VELORANTH_SOURCE_DIR;
const fs::path kLog = L"C:\\today_plugin_tests_log.txt";  // named after this test program

// Closes the message boxes that appear while it watches, and keeps their texts.
class BoxWatcher {
  public:
    explicit BoxWatcher(std::vector<std::wstring> captions) : captions_(std::move(captions)) {
        thread_ = std::thread([this] { Watch(); });
        // A thread still starting when a library loads waits for the loader lock, which
        // the load keeps while its box is up: only a running watcher can close it.
        while (!running_) {
            Sleep(1);
        }
    }
    ~BoxWatcher() { Stop(); }
    void Stop() {
        stop_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
    }
    std::vector<std::pair<std::wstring, std::wstring>> seen;  // caption, text

  private:
    void Watch() {
        running_ = true;
        while (!stop_) {
            for (const std::wstring& caption : captions_) {
                HWND box = FindWindowW(L"#32770", caption.c_str());
                if (box != nullptr) {
                    seen.emplace_back(caption, MessageBoxText(box));
                    PostMessageW(box, WM_COMMAND, IDOK, 0);
                    WaitFor([&] { return !IsWindow(box); }, 3000);
                }
            }
            Sleep(20);
        }
    }
    std::vector<std::wstring> captions_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
};

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
        BoxWatcher watcher({L"File open error", L"Read error", L"Allocation error"});
        module = LoadLibraryW((folder / "TodayVeloranth.dll").wstring().c_str());
        error = GetLastError();
        Sleep(200);
        watcher.Stop();
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
        Load load(PluginFolder("valid", &kValid));
        ASSERT_NE(load.module, nullptr);
        EXPECT_TRUE(load.boxes.empty());
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
        const wchar_t* message;
    } cases[] = {
        {"empty", "", L"Selected town out of range"},
        {"type6", "1 1 0 0\n6 x\n2 France Paris 48.85 2.35 1 1 0\n", L"bad format of data.cfg"},
        {"count", "1 2 0 0\n2 France Paris 48.85 2.35 1 1 0\n",
         L"Number of towns does not match NTowns"},
    };
    for (const Case& c : cases) {
        Load load(PluginFolder(c.name, &c.config));
        EXPECT_EQ(load.module, nullptr) << c.name;
        ASSERT_EQ(load.boxes.size(), 1u) << c.name;
        EXPECT_EQ(load.boxes[0].first, L"Read error");
        EXPECT_EQ(load.boxes[0].second, c.message);
    }
}

TEST(PluginReader, ResultCodesAndTheSameTranscription) {
    struct Case {
        const char* name;
        const std::string* config;
        ReadResult result;
    };
    const std::string empty, type6 = "6\n", count = "1 2 0 0\n2 France Paris 48.85 2.35 1 1 0\n";
    const std::string shipped = ReadBytes(kSource / "data/data.cfg");
    Case cases[] = {{"r-valid", &shipped, kReadOk},
                    {"r-missing", nullptr, kReadOpenFailed},
                    {"r-empty", &empty, kReadSelectedOutOfRange},
                    {"r-type6", &type6, kReadFormatError},
                    {"r-count", &count, kReadTownCountMismatch}};
    SetCurrentDirectoryW(L"C:\\");
    for (const Case& c : cases) {
        fs::path folder = PluginFolder(c.name, c.config);
        BoxWatcher watcher({L"File open error", L"Read error"});
        WideAppConfig cfg;
        std::wstring f = folder.wstring() + L"\\";
        EXPECT_EQ(ReadPluginConfig(std::u16string(f.begin(), f.end()), cfg), c.result) << c.name;
        watcher.Stop();
        if (c.result == kReadOk) {
            EXPECT_EQ(ReadBytes(folder / "read_echo.cfg"), kTranscriptionHeading + shipped);
            EXPECT_EQ(std::u16string(cfg.SelectedTown().Name), u"Paris");
        }
        ReleaseTownTable(cfg, ProcessHeapAllocator());
    }
}

TEST(PluginExports, ExactlyOrdinals240And241WithoutNames) {
    std::string image = ReadBytes(BuildFolder() / "TodayVeloranth.dll");
    auto u32 = [&](std::size_t at) {
        return *reinterpret_cast<const std::uint32_t*>(image.data() + at);
    };
    auto u16 = [&](std::size_t at) {
        return *reinterpret_cast<const std::uint16_t*>(image.data() + at);
    };
    std::size_t pe = u32(0x3C);
    ASSERT_EQ(u32(pe), 0x00004550u);  // "PE\0\0"
    std::size_t optional = pe + 24;
    ASSERT_EQ(u16(optional), 0x20B);  // PE32+
    std::uint32_t exportRva = u32(optional + 112);
    std::size_t sections = optional + u16(pe + 20);
    std::size_t exportOffset = 0;
    for (int i = 0; i < u16(pe + 6); ++i) {
        std::size_t s = sections + i * 40;
        std::uint32_t va = u32(s + 12), size = u32(s + 8), raw = u32(s + 20);
        if (exportRva >= va && exportRva < va + size) {
            exportOffset = exportRva - va + raw;
        }
    }
    ASSERT_NE(exportOffset, 0u);
    EXPECT_EQ(u32(exportOffset + 16), 240u);  // ordinal base
    EXPECT_EQ(u32(exportOffset + 20), 2u);    // functions
    EXPECT_EQ(u32(exportOffset + 24), 0u);    // names

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

TEST(PluginOptions, ButtonStartsVeloranthFromTheLibrarysFolder) {
    fs::path folder = PluginFolder("options", &kValid);
    Load load(folder);
    ASSERT_NE(load.module, nullptr);
    bool stayedOpen = false;
    PressOptionsButtonTwice(folder, load.module, stayedOpen);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(StartsRecorded(folder), 2);
    EXPECT_NE(ReadBytes(folder / "Veloranth.exe.called.txt").find("Veloranth.exe"),
              std::string::npos);
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
