// The fixture of the tests that host the plug-in in TodayHost.exe: the host started in a
// folder of its own with the library, a data.cfg and a recorder standing in for
// Veloranth.exe; the item found once the host shows it.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>

#include "testsupport/win/driver.h"

namespace veloranth {

namespace fs = std::filesystem;

// TodayHost.exe and the library in a folder of their own, a recorder as Veloranth.exe,
// started in C:\ so that a log goes to the root of the prefix's drive.
class HostRun : public ::testing::Test {
  protected:
    // With `config` as data.cfg; by default the test towns.
    void Start(const std::string& config = "") {
        folder_ = wintest::FolderWith(
            std::string("host-") + ::testing::UnitTest::GetInstance()->current_test_info()->name(),
            {"TodayHost.exe", "TodayVeloranth.dll"});
        fs::copy_file(wintest::BuildFolder() / "recorder.exe", folder_ / "Veloranth.exe");
        if (config.empty()) {
            fs::copy_file(fs::path(VELORANTH_SOURCE_DIR) / "reports/tests/data/reports.cfg",
                          folder_ / "data.cfg");
        } else {
            std::ofstream(folder_ / "data.cfg", std::ios::binary) << config;
        }
        host_ = wintest::Process(folder_ / "TodayHost.exe", L"", L"C:\\");
        ASSERT_TRUE(host_.Started());
    }
    void TearDown() override {
        if (HWND window = FindWindowW(L"TodayHostWindow", nullptr)) {
            PostMessageW(window, WM_CLOSE, 0, 0);
            EXPECT_EQ(host_.Wait(), 0);
        }
    }
    // The item, once the host shows it at `height` pixels; null when it never does.
    HWND ItemOfHeight(int height) {
        HWND host = wintest::WaitForWindow(L"TodayHostWindow", nullptr), item = nullptr;
        const bool shown = wintest::WaitFor([&] {
            item = FindWindowExW(host, nullptr, L"VeloranthClass", nullptr);
            return item && wintest::RectOf(item).bottom - wintest::RectOf(item).top == height;
        });
        return shown ? item : nullptr;
    }

    fs::path folder_;
    wintest::Process host_;
};

}  // namespace veloranth
