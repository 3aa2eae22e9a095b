// Every label of the program's dialogs shows its whole text, on whichever screen the test
// runs (handheld shapes, or the desktop's area).
#include "testsupport/win/labels.h"
#include "testsupport/win/veloranth_run.h"

namespace veloranth {
namespace {

using namespace wintest;

TEST_F(VeloranthRun, LabelsShowWhole) {
    Start();
    for (auto [command, title, font, shot] :
         {std::tuple{IDM_TOWNS, L"Configuration", IDD_CONFIG, "configuration"},
          {IDM_ABOUT, L"About veloranth", IDD_ABOUT, "about"}}) {  // the qibla has no controls
        HWND dialog = Open(command, title);
        EXPECT_EQ(CutLabels(dialog, folder_ / "Veloranth.exe", font), std::vector<std::wstring>{});
        Shot(std::string("labels-") + shot + "-" + ScreenSize());
        Close(dialog);
    }
}

}  // namespace
}  // namespace veloranth
