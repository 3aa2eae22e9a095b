// The Today item's window: its line, drawn left of the icon in the device's face, and the
// home screen's refresh protocol (the height changes when a tap shows the headings).
#include "today/item_window.h"

#include <string>

#include "platform/clock.h"
#include "platform/win/wide.h"
#include "today/plugin_state.h"
#include "today/today_line.h"
#include "today/today_screen.h"

namespace veloranth::today {

namespace {

constexpr int kIconInset = 20;  // pixels from the item's right edge to the icon's left
constexpr wchar_t kDeviceFace[] = L"Tahoma";

// The screen's pixels per logical inch, read once each.
int ScreenDpi(int& cache, int index) {
    if (cache == 0) {
        HDC screen = GetDC(nullptr);
        cache = screen != nullptr ? GetDeviceCaps(screen, index) : -1;
        if (screen != nullptr) {
            ReleaseDC(nullptr, screen);
        }
    }
    return cache;
}
}  // namespace

int DpiX() {
    return ScreenDpi(ThePlugin().ScreenDpiX, LOGPIXELSX);
}
int DpiY() {
    return ScreenDpi(ThePlugin().ScreenDpiY, LOGPIXELSY);
}

void RefreshLine() {
    platform::LocalDateTime now = platform::LocalTime();
    UpdateTodayLine(ThePlugin().day, ThePlugin().config, {now.day, now.month, now.year});
}

namespace {

// The home screen draws the item's background.
LRESULT OnEraseBackground(HWND window, HDC dc) {
    TODAYDRAWWATERMARKINFO info{};
    info.hdc = dc;
    GetClientRect(window, &info.rc);
    info.hwnd = window;
    SendMessageW(GetParent(window), TODAYM_DRAWWATERMARK, 0, reinterpret_cast<LPARAM>(&info));
    return 1;
}

void OnPaint(HWND window) {
    Plugin& p = ThePlugin();
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RefreshLine();
    RECT r;
    GetWindowRect(window, &r);
    SetBkMode(dc, TRANSPARENT);
    // The icon's place within the item: the item's window rectangle is in screen
    // coordinates, which are the item's own only where it starts at the screen's edge.
    DrawIconEx(dc, (r.right - r.left) - kIconInset, 0, p.ItemIcon, 0, 0, 0, nullptr, DI_NORMAL);

    // The text ends where the icon begins.
    RECT text = {(DpiX() + 48) / 96, (2 * DpiY() + 48) / 96, r.right - r.left - kIconInset,
                 r.bottom - r.top};
    LOGFONTW font{};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    font.lfHeight = -static_cast<LONG>(GetDeviceCaps(dc, LOGPIXELSY) / 9.0 + 0.5);
    // The device's system face is Tahoma; a desktop's stock system font is a wide bitmap
    // face in which the line does not fit the item. Its width goes with it: the face's own.
    lstrcpynW(font.lfFaceName, kDeviceFace, LF_FACESIZE);
    font.lfWidth = 0;
    HFONT bold = CreateFontIndirectW(&font);
    HGDIOBJ previous = SelectObject(dc, bold);
    SetTextColor(dc, static_cast<COLORREF>(
                         SendMessageW(GetParent(window), TODAYM_GETCOLOR, TODAYCOLOR_TEXT, 0)));
    if (p.ShowHeader) {
        DrawTextW(dc, platform::WideChars(kTodayHeading), -1, &text, 0);
        // On purpose the horizontal dpi, as the item has always stepped down its line.
        text.top += (15 * DpiX() + 48) / 96;
    }
    // A town too long for what the times leave ends with an ellipsis; the times come first.
    DrawTextW(dc, platform::WideChars(p.day.line), -1, &text, DT_END_ELLIPSIS);
    SelectObject(dc, previous);
    DeleteObject(bold);
    EndPaint(window, &ps);
}

}  // namespace

LRESULT CALLBACK TodayItemWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Plugin& p = ThePlugin();
    switch (message) {
        case WM_PAINT:
            OnPaint(window);
            return 0;
        case WM_ERASEBKGND:
            return OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
        case WM_LBUTTONUP:
            p.ShowHeader = !p.ShowHeader;
            p.RefreshPending = true;
            ForgetTodayLine(p.day);  // the next paint makes the line again
            return 0;
        case WM_TODAYCUSTOM_CLEARCACHE:
            return 0;
        case WM_TODAYCUSTOM_QUERYREFRESHCACHE: {
            if (!p.RefreshPending) {
                return FALSE;
            }
            p.RefreshPending = false;
            reinterpret_cast<TODAYLISTITEM*>(lParam)->cyp = p.ShowHeader ? 32 : 16;
            return TRUE;
        }
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace veloranth::today
