// Every label of the program's dialogs and of the plug-in's options dialog shows its whole
// text, on whichever screen the test runs (handheld shapes, or the desktop's area).
#include <gtest/gtest.h>

#include "testsupport/win/host_run.h"
#include "testsupport/win/labels.h"
#include "testsupport/win/veloranth_run.h"
#include "today/resource.h"

namespace veloranth {
namespace {

using namespace wintest;
using Cut = std::vector<std::wstring>;

TEST_F(VeloranthRun, LabelsShowWhole) {
    Start();
    const struct {
        UINT command;
        const wchar_t* title;
        int dialogTemplate;  // whose font the labels are drawn in
        const char* shot;
    } dialogs[] = {{IDM_TOWNS, L"Configuration", IDD_CONFIG, "configuration"},
                   {IDM_ABOUT, L"About veloranth", IDD_ABOUT, "about"},
                   {IDM_QIBLA, L"Quibla", IDD_QIBLA, "qibla"}};
    for (const auto& d : dialogs) {
        HWND dialog = Open(d.command, d.title);
        EXPECT_EQ(CutLabels(dialog, folder_ / "Veloranth.exe", d.dialogTemplate), Cut{}) << d.shot;
        Shot(std::string("labels-") + d.shot + "-" + ScreenSize());
        Close(dialog);
    }
}

TEST_F(HostRun, PluginOptionsLabelsShowWhole) {
    Start();
    HWND home = WaitForWindow(L"TodayHostWindow", nullptr), options = nullptr;
    ASSERT_TRUE(
        WaitFor([&] { return (options = FindWindowExW(home, nullptr, L"Button", L"Options")); }));
    PostMessageW(options, BM_CLICK, 0, 0);
    HWND dialog = WaitForWindow(L"#32770", L"Configuration");
    EXPECT_EQ(CutLabels(dialog, folder_ / "TodayVeloranth.dll", IDD_OPTIONS), Cut{});
    Screenshot("labels-today-options-" + ScreenSize());
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
}

}  // namespace
}  // namespace veloranth
