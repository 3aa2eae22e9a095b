// The plug-in's options dialog shows its whole text, on whichever screen the test runs
// (handheld shapes, or the desktop's area).
#include "testsupport/win/host_run.h"
#include "testsupport/win/labels.h"
#include "today/resource.h"

namespace veloranth {
namespace {

using namespace wintest;

TEST_F(HostRun, PluginOptionsLabelsShowWhole) {
    Start();
    HWND home = WaitForWindow(L"TodayHostWindow", nullptr);
    PostMessageW(FindWindowExW(home, nullptr, L"Button", L"Options"), BM_CLICK, 0, 0);
    HWND dialog = WaitForWindow(L"#32770", L"Configuration");
    EXPECT_EQ(CutLabels(dialog, folder_ / "TodayVeloranth.dll", IDD_OPTIONS),
              std::vector<std::wstring>{});
    Screenshot("labels-today-options-" + ScreenSize());
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
}

}  // namespace
}  // namespace veloranth
