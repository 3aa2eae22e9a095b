// On the device a message box never leaves the screen: it takes the screen's width and
// wraps its text. A desktop message box sizes itself to its longest line, wider than a
// 240-pixel screen; this fits those of the calling thread to the screen the same way.
#include <windows.h>

#include <string>

#include "shell/aygshell.h"

namespace {

constexpr int kTextId = 0xFFFF;  // the message text of a message box

thread_local HHOOK gHook = nullptr;

void FitToScreen(HWND box) {
    RECT window, client;
    GetWindowRect(box, &window);
    GetClientRect(box, &client);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    HWND text = GetDlgItem(box, kTextId);
    if (window.right - window.left <= screenWidth || text == nullptr) {
        return;
    }
    RECT textRect;
    GetWindowRect(text, &textRect);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&textRect), 2);
    const int frame = (window.right - window.left) - client.right;
    const int clientWidth = screenWidth - frame;
    const int margin = textRect.left > 4 ? 4 : textRect.left;

    // The wrapped text's height at the new width.
    std::wstring message(static_cast<std::size_t>(GetWindowTextLengthW(text)) + 1, L'\0');
    GetWindowTextW(text, message.data(), static_cast<int>(message.size()));
    HDC dc = GetDC(text);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)));
    RECT wrapped = {0, 0, clientWidth - textRect.left - margin, 0};
    DrawTextW(dc, message.c_str(), -1, &wrapped,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc, previous);
    ReleaseDC(text, dc);
    const int grow = (wrapped.bottom - wrapped.top) - (textRect.bottom - textRect.top);
    SetWindowPos(text, nullptr, textRect.left, textRect.top, wrapped.right, wrapped.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);

    // Buttons move down by what the text grew and keep their place across the width.
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[16];
        GetClassNameW(child, cls, 16);
        if (lstrcmpiW(cls, L"Button") != 0) {
            continue;
        }
        RECT b;
        GetWindowRect(child, &b);
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&b), 2);
        int x = b.left * clientWidth / client.right;
        SetWindowPos(child, nullptr, x, b.top + grow, 0, 0,
                     SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    int height = (window.bottom - window.top) + grow;
    int y = height < screenHeight ? (screenHeight - height) / 2 : 0;
    SetWindowPos(box, nullptr, 0, y, screenWidth, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK WatchActivations(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        wchar_t cls[16];
        GetClassNameW(window, cls, 16);
        if (lstrcmpW(cls, L"#32770") == 0) {
            FitToScreen(window);
        }
    }
    return CallNextHookEx(gHook, code, wParam, lParam);
}

}  // namespace

// Part of the shell's initialisation: the calling thread's message boxes fit the screen.
void PocketFitMessageBoxes() {
    if (gHook == nullptr) {
        gHook = SetWindowsHookExW(WH_CBT, WatchActivations, nullptr, GetCurrentThreadId());
    }
}
