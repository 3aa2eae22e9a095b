// What the program's dialogs share: the shell's full-screen set-up and how they end.
#include "app/dialogs.h"
#include "shell/aygshell.h"

namespace veloranth::app {

BOOL InitShellDialog(HWND dialog, DWORD flags) {
    SHINITDLGINFO info{SHIDIM_FLAGS, dialog, flags};
    return SHInitDialog(&info);
}

BOOL InitViewingDialog(HWND dialog) {
    return InitShellDialog(dialog, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN |
                                       SHIDIF_EMPTYMENU);
}

bool EndOnDoneOrClose(HWND dialog, UINT message, WPARAM wParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        EndDialog(dialog, 1);
        return true;
    }
    if (message == WM_CLOSE) {
        EndDialog(dialog, 16);
        return true;
    }
    return false;
}

}  // namespace veloranth::app
