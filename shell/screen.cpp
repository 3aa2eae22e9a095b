// What "the screen" is for a program. On a handheld it is the whole display. A desktop
// display is far larger than any handheld's: there the program lives in a handheld-shaped
// area that follows its device window (the window that stands for the device, with the
// caption the user drags), and everything the shell places goes into that area.
#include <windows.h>

#include "shell/aygshell.h"

namespace {

// The largest handheld screens have 800 pixels on their long side.
constexpr int kLargestHandheldSide = 800;
// The area a program gets on a desktop: a portrait handheld's screen.
constexpr int kDeviceWidth = 240;
constexpr int kDeviceHeight = 320;
// Where the first area lies on a desktop, and the gap between two side by side.
constexpr int kDesktopMargin = 24;

HWND gDevice = nullptr;
int gSlot = 0;
HHOOK gFollowHook = nullptr;

bool IsDesktop() {
    return GetSystemMetrics(SM_CXSCREEN) > kLargestHandheldSide ||
           GetSystemMetrics(SM_CYSCREEN) > kLargestHandheldSide;
}

// The shell's windows keep to the device window when the user moves it.
LRESULT CALLBACK FollowDevice(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == gDevice && call->message == WM_WINDOWPOSCHANGED) {
        PocketFollowScreen(gDevice);
    }
    return CallNextHookEx(gFollowHook, code, wParam, lParam);
}

}  // namespace

void PocketFitMessageBoxes();

extern "C" RECT PocketScreen(void) {
    if (!IsDesktop()) {
        return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    POINT origin = {kDesktopMargin + gSlot * (kDeviceWidth + kDesktopMargin), kDesktopMargin};
    RECT device;
    if (gDevice != nullptr && IsWindow(gDevice) && !IsIconic(gDevice) &&
        GetWindowRect(gDevice, &device)) {
        origin = {device.left, device.top};
    }
    return {origin.x, origin.y, origin.x + kDeviceWidth, origin.y + kDeviceHeight};
}

extern "C" void PocketSetDeviceWindow(HWND window, int slot) {
    if (gDevice != nullptr && IsWindow(gDevice)) {
        return;  // one device per program: the first window that asks
    }
    gDevice = nullptr;
    gSlot = slot;
    RECT screen = PocketScreen();
    SetWindowPos(window, nullptr, screen.left, screen.top, screen.right - screen.left,
                 screen.bottom - screen.top, SWP_NOZORDER | SWP_NOACTIVATE);
    gDevice = window;
    PocketFitMessageBoxes();
    if (gFollowHook == nullptr && IsDesktop()) {
        gFollowHook = SetWindowsHookExW(WH_CALLWNDPROCRET, FollowDevice, nullptr,
                                        GetWindowThreadProcessId(window, nullptr));
    }
}
