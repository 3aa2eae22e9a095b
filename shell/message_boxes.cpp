// On the device a message box never leaves the screen: it takes the screen's width and
// wraps its text, and a text too long for the screen's height scrolls above the buttons,
// which stay where a tap reaches them. A desktop message box sizes itself to its longest
// line and its line count; this fits those of the calling thread to the screen the same way.
#include <windows.h>

#include <algorithm>
#include <climits>
#include <string>
#include <utility>

#include "shell/aygshell.h"

namespace {

constexpr int kTextId = 0xFFFF;  // the message text of a message box

thread_local HHOOK gHook = nullptr;

RECT ChildRect(HWND box, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Whether the control is shown once its box is (the box itself is not yet, when fitted).
bool Shown(HWND control) {
    return (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

// The top and bottom of the row of buttons shown (a box holds hidden ones it does not
// use); top INT_MAX when there is none.
std::pair<int, int> ButtonRow(HWND box) {
    std::pair<int, int> row = {INT_MAX, 0};
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[16];
        GetClassNameW(child, cls, 16);
        if (lstrcmpiW(cls, L"Button") == 0 && Shown(child)) {
            RECT r = ChildRect(box, child);
            row = {std::min<int>(row.first, r.top), std::max<int>(row.second, r.bottom)};
        }
    }
    return row;
}

// The bottom of what is neither the text nor a button (the icon), 0 when there is none.
int IconBottom(HWND box, HWND text) {
    int bottom = 0;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[16];
        GetClassNameW(child, cls, 16);
        if (child != text && lstrcmpiW(cls, L"Button") != 0 && Shown(child)) {
            bottom = std::max(bottom, static_cast<int>(ChildRect(box, child).bottom));
        }
    }
    return bottom;
}

// Moves the buttons down by `dy`; `scaleX` / `scaleFrom` rescales their place across the width.
void MoveButtons(HWND box, int dy, int scaleX, int scaleFrom) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[16];
        GetClassNameW(child, cls, 16);
        if (lstrcmpiW(cls, L"Button") != 0) {
            continue;
        }
        RECT b = ChildRect(box, child);
        SetWindowPos(child, nullptr, b.left * scaleX / scaleFrom, b.top + dy, 0, 0,
                     SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

// The height of the text wrapped to `width`.
int WrappedHeight(HWND text, int width) {
    std::wstring message = TextOf(text);
    HDC dc = GetDC(text);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)));
    RECT wrapped = {0, 0, width, 0};
    DrawTextW(dc, message.c_str(), -1, &wrapped,
              DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc, previous);
    ReleaseDC(text, dc);
    return wrapped.bottom - wrapped.top;
}

// The text in a read-only scrolling field of `height` in place of the static text, which
// stays (hidden) as the box's own text. The field shows the same characters; its lines
// end in CR LF, as a multi-line edit control needs.
void ScrollText(HWND box, HWND text, int width, int height) {
    RECT r = ChildRect(box, text);
    std::wstring shown;
    for (wchar_t c : TextOf(text)) {
        if (c == L'\n') {
            shown += L'\r';
        }
        shown += c;
    }
    HWND field = CreateWindowExW(
        0, L"EDIT", shown.c_str(),
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, r.left,
        r.top, width, height, box,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(POCKET_BOX_SCROLLING_TEXT_ID)),
        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(field, WM_SETFONT, SendMessageW(text, WM_GETFONT, 0, 0), FALSE);
    ShowWindow(text, SW_HIDE);
}

// The box laid out anew from its text down: the text wrapped to the box's width (at most
// the screen's), the buttons below it, the whole within the screen, the text scrolling
// when it is too tall for that.
void FitToScreen(HWND box) {
    RECT window, client;
    GetWindowRect(box, &window);
    GetClientRect(box, &client);
    const RECT screen = PocketScreen();
    const int screenWidth = screen.right - screen.left;
    const int screenHeight = screen.bottom - screen.top;
    int width = window.right - window.left;
    int height = window.bottom - window.top;
    HWND text = GetDlgItem(box, kTextId);
    const auto [buttonsTop, buttonsBottom] = ButtonRow(box);
    if (text != nullptr && buttonsTop < INT_MAX) {
        const int frameWidth = width - client.right, frameHeight = height - client.bottom;
        const int clientWidth = std::min(width, screenWidth) - frameWidth;
        const RECT textRect = ChildRect(box, text);
        const int margin = textRect.left > 4 ? 4 : textRect.left;
        const int textWidth = width > screenWidth ? clientWidth - textRect.left - margin
                                                  : textRect.right - textRect.left;
        const int gap = 6;  // pixels between the text and the buttons, and under them
        // A box taller than the display may have been cut above its buttons: their room
        // is counted from themselves, not from the box's bottom.
        const int below = buttonsBottom - buttonsTop + gap;
        // A word longer than the line (a path) breaks where the line ends, as in an edit
        // control, instead of being cut at the box's edge.
        SetWindowLongW(text, GWL_STYLE, GetWindowLongW(text, GWL_STYLE) | SS_EDITCONTROL);
        int textHeight = WrappedHeight(text, textWidth);
        const int iconBottom = IconBottom(box, text);
        int contentBottom = std::max<int>(textRect.top + textHeight, iconBottom);
        int clientHeight = contentBottom + gap + below;
        if (clientHeight + frameHeight > screenHeight) {
            clientHeight = screenHeight - frameHeight;
            contentBottom = clientHeight - below - gap;
            ScrollText(box, text, textWidth, contentBottom - textRect.top);
        } else {
            SetWindowPos(text, nullptr, 0, 0, textWidth, textHeight,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        // Buttons go under the text and keep their place across the width.
        MoveButtons(box, contentBottom + gap - buttonsTop, clientWidth, client.right);
        width = clientWidth + frameWidth;
        height = clientHeight + frameHeight;
    }
    int x = screen.left + (width < screenWidth ? (screenWidth - width) / 2 : 0);
    int y = screen.top + (height < screenHeight ? (screenHeight - height) / 2 : 0);
    SetWindowPos(box, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// A box is fitted once it has laid itself out, after its WM_INITDIALOG. The shell's own
// dialogs carry the fitted mark already: they are sized by SHInitDialog.
LRESULT CALLBACK WatchDialogs(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITDIALOG &&
        GetPropW(call->hwnd, POCKET_FITTED_PROPERTY) == nullptr) {
        wchar_t cls[16];
        GetClassNameW(call->hwnd, cls, 16);
        if (lstrcmpW(cls, L"#32770") == 0) {
            FitToScreen(call->hwnd);
            SetPropW(call->hwnd, POCKET_FITTED_PROPERTY, reinterpret_cast<HANDLE>(1));
        }
    }
    if (code == HC_ACTION && call->message == WM_DESTROY) {
        RemovePropW(call->hwnd, POCKET_FITTED_PROPERTY);
    }
    return CallNextHookEx(gHook, code, wParam, lParam);
}

}  // namespace

// Part of the shell's initialisation: the calling thread's message boxes fit the screen.
void PocketFitMessageBoxes() {
    if (gHook == nullptr) {
        gHook = SetWindowsHookExW(WH_CALLWNDPROCRET, WatchDialogs, nullptr, GetCurrentThreadId());
    }
}
