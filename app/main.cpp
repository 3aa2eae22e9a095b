// Veloranth.exe: one instance, the main window above the menu bar, the message loop with
// the program's accelerators.
#include <windows.h>
#include <commctrl.h>

#include "app/main_window.h"
#include "app/program.h"
#include "app/resource.h"
#include "shell/aygshell.h"

namespace veloranth::app {

ATOM RegisterMainWindowClass(HINSTANCE instance, const wchar_t* className) {
    WNDCLASSW wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_VELORANTH));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = className;
    return RegisterClassW(&wc);
}

BOOL InitMainInstance(HINSTANCE instance, int showCommand) {
    Program& p = TheProgram();
    p.instance = instance;
    SHInitExtraControls();
    LoadStringW(instance, IDS_TITLE, p.title, 100);
    LoadStringW(instance, IDS_CLASS, p.className, 100);

    // A second start brings the running instance (and its dialogs) to the front.
    HWND running = FindWindowW(p.className, p.title);
    if (running != nullptr) {
        SHSetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<UINT_PTR>(running) | 1));
        return FALSE;
    }
    if (RegisterMainWindowClass(instance, p.className) == 0) {
        return FALSE;
    }
    HWND window =
        CreateWindowExW(0, p.className, p.title, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return FALSE;
    }
    if (p.menuBar != nullptr) {
        // The window ends where the menu bar begins.
        RECT w, bar;
        GetWindowRect(window, &w);
        GetWindowRect(p.menuBar, &bar);
        w.bottom -= bar.bottom - bar.top;
        MoveWindow(window, w.left, w.top, w.right - w.left, w.bottom - w.top, FALSE);
        // Not every window system keeps the old pixels on a resize: paint it all anew.
        InvalidateRect(window, nullptr, TRUE);
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return TRUE;
}

}  // namespace veloranth::app

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    using namespace veloranth::app;
    if (!InitMainInstance(instance, showCommand)) {
        return 0;
    }
    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0)) {
        // The shortcuts act on the main window, also when a menu-bar button has the focus.
        if (!TranslateAcceleratorW(TheProgram().mainWindow, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
