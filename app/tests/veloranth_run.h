// The fixture of the window tests: Veloranth.exe started in a folder of its own, and
// the ways a user drives it (commands, boxes, the configuration dialog, screenshots).
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <string>

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
    // With `config` as data.cfg ("" for none).
    void StartWith(const std::string& config) {
        Prepare();
        if (!config.empty()) {
            std::ofstream(folder_ / "data.cfg", std::ios::binary) << config;
        }
        Launch();
    }

    void Start(bool withConfig = true) {
        Prepare();
        if (withConfig) {
            fs::copy_file(kSource / "reports/tests/data/reports.cfg", folder_ / "data.cfg");
        }
        Launch();
    }

    void Prepare() {
        folder_ =
            wintest::FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::copy_file(wintest::BuildFolder() / "Veloranth.exe", folder_ / "Veloranth.exe");
        fs::copy_file(wintest::BuildFolder() / "help.html", folder_ / "help.html");
        fs::copy_file(wintest::BuildFolder() / "style.css", folder_ / "style.css");
        fs::remove(XdgOpenRecord());
    }

    void Launch() {
        process_ = wintest::Process(folder_ / "Veloranth.exe");
        ASSERT_TRUE(process_.Started());
        window_ = wintest::WaitForWindow(L"VELORANTH", L"veloranth");
        ASSERT_NE(window_, nullptr);
        ASSERT_TRUE(wintest::WaitFor(
            [&] { return (bar_ = wintest::FindOwnedWindow(window_, POCKET_MENUBAR_CLASS)); }));
        ASSERT_TRUE(wintest::Responds(window_));  // created, shown and painted
    }

    void TearDown() override {
        if (window_ != nullptr && IsWindow(window_)) {
            PostMessageW(window_, WM_COMMAND, IDM_EXIT, 0);
            EXPECT_EQ(process_.Wait(), 0);
        }
    }

    // Posts a command and waits for the window (box or dialog) it opens, fitted to the screen.
    HWND Open(UINT command, const wchar_t* title) {
        PostMessageW(window_, WM_COMMAND, command, 0);
        HWND opened = wintest::WaitForWindow(L"#32770", title);
        wintest::WaitFor([&] { return GetPropW(opened, POCKET_FITTED_PROPERTY) != nullptr; }, 3000);
        return opened;
    }

    void Close(HWND box) {
        SendMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(wintest::WaitFor([&] { return !IsWindow(box); }));
    }

    void Shot(const std::string& name) { wintest::Screenshot("main-" + name); }

    // The program's screen: the display, or on a desktop the handheld-shaped area that
    // begins at the main window's corner.
    RECT Screen() const {
        RECT w = wintest::RectOf(window_);
        int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
        return cx > 800 || cy > 800 ? RECT{w.left, w.top, w.left + 240, w.top + 320}
                                    : RECT{0, 0, cx, cy};
    }

    // A window lies on the screen, and so does every control in it.
    void ExpectOnScreen(HWND window) {
        RECT screen = Screen();
        for (HWND w = window; w;
             w = w == window ? GetWindow(w, GW_CHILD) : GetWindow(w, GW_HWNDNEXT)) {
            RECT r = wintest::RectOf(w), within;
            IntersectRect(&within, &r, &screen);
            EXPECT_TRUE(!IsWindowVisible(w) || EqualRect(&within, &r)) << GetDlgCtrlID(w);
        }
    }

    // The configuration dialog: town, date and time, then Done.
    void Choose(int town, SYSTEMTIME when) {
        HWND dialog = Open(IDM_TOWNS, L"Configuration");
        ASSERT_NE(dialog, nullptr);
        SendDlgItemMessageW(dialog, IDC_TOWN, CB_SETCURSEL, town, 0);
        ASSERT_TRUE(wintest::SetPickerTime(GetDlgItem(dialog, IDC_DATE), when));
        ASSERT_TRUE(wintest::SetPickerTime(GetDlgItem(dialog, IDC_TIME), when));
        Close(dialog);
    }

    std::filesystem::path folder_;
    wintest::Process process_;
    HWND window_ = nullptr;
    HWND bar_ = nullptr;
};

inline const SYSTEMTIME kParisDay = {2007, 1, 1, 15, 13, 0, 0, 0};

}  // namespace veloranth
