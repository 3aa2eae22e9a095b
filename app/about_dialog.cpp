// The About dialog: icon, name and version, two credit lines, in the portrait or the
// landscape layout of the screen.
#include <windows.h>

#include <cwchar>

#include "app/dialog_layout.h"
#include "app/dialogs.h"
#include "app/program.h"
#include "app/resource.h"
#include "shell/aygshell.h"

namespace veloranth::app {

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            InitViewingDialog(dialog);
            return TRUE;
        case WM_SIZE: {
            const RECT screen = PocketScreen();
            bool portrait = screen.bottom - screen.top > screen.right - screen.left;
            ApplyDialogLayout(TheProgram().instance, dialog,
                              portrait ? IDD_ABOUT : IDD_ABOUT_LANDSCAPE);
            return FALSE;
        }
        case WM_PAINT: {
            // Every layout switch brings back the template's placeholder.
            wchar_t version[16];
            std::swprintf(version, 16, L"%.2f", kVersion);
            SetDlgItemTextW(dialog, IDC_ABOUT_VERSION, version);
            return FALSE;
        }
        default:
            return EndOnDoneOrClose(dialog, message, wParam) ? TRUE : FALSE;
    }
}

}  // namespace veloranth::app
