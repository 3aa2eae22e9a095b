// The menu bar stand-in: a strip at the bottom of the screen built from the RCDATA
// menu-bar description (header: menu id, button count; then per button: image, command,
// state, style, string id, 0, sub-menu index). A button with a sub-menu opens that
// pop-up of the menu; the others send their command to the parent.
#include <windows.h>

#include <vector>

#include "shell/aygshell.h"

namespace {

constexpr WORD kNoSubMenu = 0xFFFF;
constexpr int kButtonPadding = 12;  // pixels around a label (the buttons size to it)

struct Button {
    WORD command;
    WORD stringId;
    WORD subMenu;
    HWND window;
};

struct MenuBar {
    HWND parent;
    HMENU menu;  // pop-ups by sub-menu index
    std::vector<Button> buttons;
};

MenuBar* BarOf(HWND hwnd) {
    return reinterpret_cast<MenuBar*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

bool ReadDescription(HINSTANCE module, UINT id, WORD& menuId, std::vector<Button>& buttons) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const WORD* words = loaded ? static_cast<const WORD*>(LockResource(loaded)) : nullptr;
    DWORD size = found ? SizeofResource(module, found) : 0;
    if (words == nullptr || size < 4) {
        return false;
    }
    menuId = words[0];
    WORD count = words[1];
    if (size < 4u + count * 14u) {
        return false;  // a description cut short: no bar rather than reading past it
    }
    for (WORD i = 0; i < count; ++i) {
        const WORD* b = words + 2 + i * 7;
        buttons.push_back({b[1], b[4], b[6], nullptr});
    }
    return true;
}

void OpenPopup(MenuBar* bar, const Button& button) {
    HMENU popup = GetSubMenu(bar->menu, button.subMenu);
    if (popup == nullptr) {
        return;
    }
    RECT r;
    GetWindowRect(button.window, &r);
    // The parent receives the chosen item's WM_COMMAND itself.
    TrackPopupMenuEx(popup, TPM_LEFTALIGN | TPM_BOTTOMALIGN, r.left, r.top, bar->parent, nullptr);
}

LRESULT CALLBACK MenuBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MenuBar* bar = BarOf(hwnd);
    switch (message) {
        case WM_COMMAND:
            if (bar != nullptr && LOWORD(wParam) < bar->buttons.size()) {
                const Button& b = bar->buttons[LOWORD(wParam)];
                if (b.subMenu == kNoSubMenu) {
                    SendMessageW(bar->parent, WM_COMMAND, MAKEWPARAM(b.command, 0), 0);
                } else {
                    OpenPopup(bar, b);
                }
            }
            return 0;
        case SHCMBM_GETSUBMENU:
            for (const Button& b : bar ? bar->buttons : std::vector<Button>()) {
                if (b.command == lParam && b.subMenu != kNoSubMenu) {
                    return reinterpret_cast<LRESULT>(GetSubMenu(bar->menu, b.subMenu));
                }
            }
            return 0;
        case WM_DESTROY:
            if (bar != nullptr) {
                DestroyMenu(bar->menu);
                delete bar;
                SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            }
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

void PocketFitMessageBoxes();

extern "C" BOOL SHInitExtraControls(void) {
    PocketFitMessageBoxes();
    WNDCLASSW wc{};
    wc.lpfnWndProc = MenuBarProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = POCKET_MENUBAR_CLASS;
    return RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

extern "C" BOOL SHCreateMenuBar(SHMENUBARINFO* info) {
    if (info == nullptr || info->hwndParent == nullptr) {
        return FALSE;
    }
    info->hwndMB = nullptr;
    SHInitExtraControls();
    auto* bar = new MenuBar{info->hwndParent, nullptr, {}};
    WORD menuId = 0;
    if (!ReadDescription(info->hInstRes, info->nToolBarId, menuId, bar->buttons)) {
        delete bar;
        return FALSE;
    }
    bar->menu = LoadMenuW(info->hInstRes, MAKEINTRESOURCEW(menuId));
    if (GetParent(info->hwndParent) == nullptr) {
        // On the device a top-level window's default place is the whole screen; the
        // desktop's default is smaller. Give the parent the device's, the program then
        // takes the bar's height off as it does there.
        PocketSetDeviceWindow(info->hwndParent, 0);
    }
    RECT screen = PocketScreen();
    HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, POCKET_MENUBAR_CLASS, L"", WS_POPUP | WS_VISIBLE,
                                screen.left, screen.bottom - POCKET_MENUBAR_HEIGHT,
                                screen.right - screen.left, POCKET_MENUBAR_HEIGHT, info->hwndParent,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    if (hwnd == nullptr) {
        DestroyMenu(bar->menu);
        delete bar;
        return FALSE;
    }
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bar));
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HDC dc = GetDC(hwnd);
    HGDIOBJ previous = SelectObject(dc, font);
    int x = 0;
    for (std::size_t i = 0; i < bar->buttons.size(); ++i) {
        Button& b = bar->buttons[i];
        wchar_t label[64] = L"";
        LoadStringW(info->hInstRes, b.stringId, label, 64);
        SIZE extent{};
        GetTextExtentPoint32W(dc, label, lstrlenW(label), &extent);
        int w = extent.cx + 2 * kButtonPadding;
        // The button's id is its index; its command is what it stands for.
        b.window = CreateWindowExW(0, L"BUTTON", label, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, 1,
                                   w, POCKET_MENUBAR_HEIGHT - 2, hwnd,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(i)),
                                   GetModuleHandleW(nullptr), nullptr);
        SendMessageW(b.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        x += w + 2;
    }
    SelectObject(dc, previous);
    ReleaseDC(hwnd, dc);
    info->hwndMB = hwnd;
    return TRUE;
}

extern "C" void PocketFollowScreen(HWND owner) {
    RECT screen = PocketScreen();
    HWND bar = nullptr;
    while ((bar = FindWindowExW(nullptr, bar, POCKET_MENUBAR_CLASS, nullptr)) != nullptr) {
        if (GetWindow(bar, GW_OWNER) == owner) {
            SetWindowPos(bar, nullptr, screen.left, screen.bottom - POCKET_MENUBAR_HEIGHT, 0, 0,
                         SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}
