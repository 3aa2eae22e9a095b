// SHInitDialog and the activation helpers of the stand-in. A dialog asked for the full
// screen fills it; its Done button (the title bar's OK on the device) is a small button
// at the top right of the dialog that sends IDOK.
#include <windows.h>

#include "shell/aygshell.h"

extern "C" BOOL SHInitDialog(SHINITDLGINFO* info) {
    if (info == nullptr || info->hDlg == nullptr || !IsWindow(info->hDlg)) {
        return FALSE;
    }
    if ((info->dwMask & SHIDIM_FLAGS) == 0) {
        return TRUE;
    }
    HWND dialog = info->hDlg;
    SetPropW(dialog, POCKET_FITTED_PROPERTY, reinterpret_cast<HANDLE>(1));  // placed here
    if (info->dwFlags & (SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIZEDLG)) {
        RECT screen = PocketScreen();
        SetWindowPos(dialog, nullptr, screen.left, screen.top, screen.right - screen.left,
                     screen.bottom - screen.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if ((info->dwFlags & SHIDIF_DONEBUTTON) &&
        GetDlgItem(dialog, POCKET_DONE_BUTTON_ID) == nullptr) {
        RECT client;
        GetClientRect(dialog, &client);
        const int width = 36, height = 20;
        HWND done =
            CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                            client.right - width - 2, 2, width, height, dialog,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(POCKET_DONE_BUTTON_ID)),
                            GetModuleHandleW(nullptr), nullptr);
        SendMessageW(done, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
    }
    return TRUE;
}

extern "C" BOOL SHHandleWMActivate(HWND, WPARAM wParam, LPARAM, SHACTIVATEINFO* info, DWORD) {
    // No input panel to raise or lower here: only the activation state is kept.
    if (info != nullptr) {
        info->fActive = LOWORD(wParam) != WA_INACTIVE;
    }
    return TRUE;
}

extern "C" BOOL SHHandleWMSettingChange(HWND, WPARAM, LPARAM, SHACTIVATEINFO*) {
    return TRUE;
}

extern "C" BOOL SHSetForegroundWindow(HWND hwndMaybeOrOne) {
    UINT_PTR bits = reinterpret_cast<UINT_PTR>(hwndMaybeOrOne);
    HWND window = reinterpret_cast<HWND>(bits & ~static_cast<UINT_PTR>(1));
    if (!IsWindow(window)) {
        return FALSE;
    }
    if (bits & 1) {
        // The window and its owned windows: the last active one (a modal dialog or a
        // message box) is the one that must take the focus.
        HWND popup = GetLastActivePopup(window);
        if (IsIconic(window)) {
            ShowWindow(window, SW_RESTORE);
        }
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        window = popup != nullptr ? popup : window;
    }
    return SetForegroundWindow(window);
}
