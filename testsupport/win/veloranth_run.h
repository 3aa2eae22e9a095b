// The fixture of the tests that drive Veloranth.exe, the program's and those of the shell
// stand-in it hosts: the program started in a folder of its own, and the ways a user
// drives it (commands, boxes, the configuration dialog, screenshots).
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "app/resource.h"
#include "base/codepage.h"
#include "shell/aygshell.h"
#include "testsupport/win/driver.h"

namespace veloranth {

namespace fs = std::filesystem;

inline const fs::path kSource = VELORANTH_SOURCE_DIR;

inline std::wstring Golden(const char* name) {
    std::u16string text = Cp1252ToUtf16(wintest::ReadBytes(kSource / "reports/tests/data" / name));
    return std::wstring(text.begin(), text.end());
}

// What the recording xdg-open first in PATH was given (the test entry names this file).
inline fs::path XdgOpenRecord() {
    return wintest::BuildFolder().parent_path() / "test-runs" / "xdg-open.txt";
}

// Veloranth.exe in a folder of its own with the test towns, the help and the stylesheet.
class VeloranthRun : public ::testing::Test {
  protected:
    // With `config` as data.cfg ("" for none); by default the test towns. `program` is
    // the build of it that runs, as Veloranth.exe.
    void StartWith(const std::string& config, const char* program = "Veloranth.exe") {
        folder_ =
            wintest::FolderWith(::testing::UnitTest::GetInstance()->current_test_info()->name(),
                                {"Veloranth.exe", "help.html", "style.css"});
        if (std::string(program) != "Veloranth.exe") {
            fs::remove(folder_ / "Veloranth.exe");
            fs::copy_file(wintest::BuildFolder() / program, folder_ / "Veloranth.exe");
        }
        fs::remove(XdgOpenRecord());
        if (!config.empty()) {
            std::ofstream(folder_ / "data.cfg", std::ios::binary) << config;
        }
        process_ = wintest::Process(folder_ / "Veloranth.exe");
        ASSERT_TRUE(process_.Started());
        window_ = wintest::WaitForWindow(L"VELORANTH", L"veloranth");
        ASSERT_NE(window_, nullptr);
        bar_ = wintest::WaitForWindow(POCKET_MENUBAR_CLASS, nullptr, 10000, window_);
        ASSERT_NE(bar_, nullptr);
        ASSERT_TRUE(wintest::Responds(window_));  // created, shown and painted
    }
    void Start() { StartWith(wintest::ReadBytes(kSource / "reports/tests/data/reports.cfg")); }

    void TearDown() override {
        if (window_ != nullptr && IsWindow(window_)) {
            PostMessageW(window_, WM_COMMAND, IDM_EXIT, 0);
            EXPECT_EQ(process_.Wait(), 0);
        }
    }

    // Posts a command and waits for the window (box or dialog) it opens, fitted to the screen.
    // A window that does not come is a failure; the calls that follow on null do nothing.
    HWND Open(UINT command, const wchar_t* title) {
        PostMessageW(window_, WM_COMMAND, command, 0);
        HWND opened = wintest::WaitForWindow(L"#32770", title);
        EXPECT_NE(opened, nullptr) << command;
        EXPECT_TRUE(wintest::WaitFor(
            [&] { return GetPropW(opened, POCKET_FITTED_PROPERTY) != nullptr; }, 3000))
            << command << ": not fitted to the screen";
        return opened;
    }

    // OK (`command` IDOK) or the caption's cross (WM_CLOSE), and the window is gone.
    void Close(HWND box, UINT message = WM_COMMAND) {
        PostMessageW(box, message, IDOK, 0);
        EXPECT_TRUE(wintest::WaitFor([&] { return !IsWindow(box); }));
    }

    // The text of the box a command opens, read and closed.
    std::wstring BoxText(UINT command, const wchar_t* title = L"Veloranth") {
        HWND box = Open(command, title);
        std::wstring text = wintest::MessageBoxText(box);
        Close(box);
        return text;
    }

    void Shot(const std::string& name) { wintest::Screenshot("main-" + name); }

    RECT Screen() const { return wintest::ProgramScreen(window_); }
    void ExpectOnScreen(HWND window) {
        EXPECT_EQ(wintest::OutsideOf(window, Screen()), std::vector<int>{});
    }

    // "Sauve config" with `town` chosen in the open dialog; true once it is over.
    bool SaveTown(HWND dialog, int town) {
        SendDlgItemMessageW(dialog, IDC_TOWN, CB_SETCURSEL, town, 0);
        DWORD_PTR ignored;
        return SendMessageTimeoutW(dialog, WM_COMMAND, IDC_SAVE, 0, 0, 20000, &ignored) != 0;
    }

    // The header of data.cfg: NumberOfTowns and TownSelected.
    std::pair<int, int> Header() {
        const std::string saved = wintest::ReadBytes(folder_ / "data.cfg");
        std::pair<int, int> header{-1, -1};
        std::sscanf(saved.c_str() + saved.find("\n1 "), "\n1 %d %d", &header.first,
                    &header.second);
        return header;
    }

    // veloranth-cli with `arguments` on data.cfg, started on Linux; its exit status goes
    // into `status`.
    bool StartCli(const std::string& arguments, const fs::path& status) {
        return wintest::StartOnLinux(wintest::NativeCli() + " -c '" +
                                     wintest::LinuxPath(folder_ / "data.cfg") + "' " + arguments +
                                     " >/dev/null; echo $? >'" + wintest::LinuxPath(status) + "'");
    }

    // The configuration dialog: town, date and time, then Done.
    void Choose(int town, SYSTEMTIME when) {
        HWND dialog = Open(IDM_TOWNS, L"Configuration");
        SendDlgItemMessageW(dialog, IDC_TOWN, CB_SETCURSEL, town, 0);
        EXPECT_TRUE(wintest::SetPickerTime(GetDlgItem(dialog, IDC_DATE), when));
        EXPECT_TRUE(wintest::SetPickerTime(GetDlgItem(dialog, IDC_TIME), when));
        Close(dialog);
    }

    std::filesystem::path folder_;
    wintest::Process process_;
    HWND window_ = nullptr;
    HWND bar_ = nullptr;
};

inline const SYSTEMTIME kParisDay = {2007, 1, 1, 15, 13, 0, 0, 0};

}  // namespace veloranth
