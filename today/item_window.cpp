// The Today item's window: its line, drawn left of the icon in the device's face, and the
// home screen's refresh protocol (the height changes when a tap shows the headings).
#include "today/item_window.h"

#include <string>
#include <vector>

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

// The device's face in the item's font; its width goes with it (a desktop's stock system
// font is a wide bitmap face in which the line does not fit the item).
HFONT CreateItemFont(const ItemFont& f) {
    LOGFONTW font{};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof font, &font);
    font.lfWeight = f.bold ? FW_BOLD : FW_NORMAL;
    font.lfHeight = -f.height;
    font.lfWidth = 0;
    lstrcpynW(font.lfFaceName, kDeviceFace, LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

// How wide a text is drawn in a font on this device context.
TextWidth MeasureOn(HDC dc) {
    return [dc](const std::u16string& text, const ItemFont& f) {
        HFONT font = CreateItemFont(f);
        HGDIOBJ previous = SelectObject(dc, font);
        RECT r = {0, 0, 0, 0};
        DrawTextW(dc, platform::WideChars(text), static_cast<int>(text.size()), &r,
                  DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, previous);
        DeleteObject(font);
        return static_cast<int>(r.right - r.left);
    };
}

// The lines the item shows, top to bottom: after a tap the Hijri date (where data.cfg asks
// for it) and the headings above the times.
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

    // The text ends where the icon begins. One font serves every line, so that the headings
    // stay above their times; it is chosen at each paint, as the item's width can change.
    RECT text = {(DpiX() + 48) / 96, (2 * DpiY() + 48) / 96, r.right - r.left - kIconInset,
                 r.bottom - r.top};
    const int width = text.right - text.left;
    const int height = static_cast<int>(GetDeviceCaps(dc, LOGPIXELSY) / 9.0 + 0.5);
    const TextWidth measure = MeasureOn(dc);
    std::vector<std::u16string> fitted = {p.day.line};
    if (p.ShowHeader) {
        fitted.push_back(kTodayHeading);
    }
    const ItemFont chosen = ChooseItemFont(fitted, width, height, measure);
    HFONT font = CreateItemFont(chosen);
    HGDIOBJ previous = SelectObject(dc, font);
    SetTextColor(dc, static_cast<COLORREF>(
                         SendMessageW(GetParent(window), TODAYM_GETCOLOR, TODAYCOLOR_TEXT, 0)));
    // On purpose the horizontal dpi, as the item has always stepped down its lines.
    const int step = (15 * DpiX() + 48) / 96;
    if (p.ShowHeader && p.config.HijriShown) {
        std::u16string hijri = FitHijriLine(p.day.hijri, width, chosen, measure);
        DrawTextW(dc, platform::WideChars(hijri), -1, &text, DT_END_ELLIPSIS | DT_NOPREFIX);
        text.top += step;
    }
    if (p.ShowHeader) {
        DrawTextW(dc, platform::WideChars(kTodayHeading), -1, &text, DT_NOPREFIX);
        text.top += step;
    }
    // Only then a town too long for what the times leave ends with an ellipsis.
    DrawTextW(dc, platform::WideChars(p.day.line), -1, &text, DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(dc, previous);
    DeleteObject(font);
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
            // A line a row: the times, the headings after a tap, and the Hijri date with them.
            reinterpret_cast<TODAYLISTITEM*>(lParam)->cyp =
                !p.ShowHeader ? 16 : p.config.HijriShown ? 48 : 32;
            return TRUE;
        }
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace veloranth::today
