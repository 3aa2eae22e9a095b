// TodayHost.exe stands in for the device's home screen (the Today screen), which desktop
// Windows and Wine do not have. It loads TodayVeloranth.dll from its own folder the way
// the Today screen loads a custom item: ordinal 240 creates the item window for an enabled
// TODAYLISTITEM, the refresh query is asked every second and lays the item out at the
// height it answers, the colour and background requests are answered, taps reach the item,
// and the Options button runs the library's dialog 500 with ordinal 241.
#include <windows.h>

#include <cwchar>
#include <string>

#include "platform/module.h"
#include "platform/win/wide.h"
#include "shell/aygshell.h"
#include "today/today_screen.h"

namespace {

constexpr UINT_PTR kRefreshTimer = 1;
constexpr int kHeaderHeight = 28;  // the date line above the items
constexpr int kOptionsId = 100;
constexpr COLORREF kTextColour = RGB(16, 32, 80);

struct Host {
    HMODULE library = nullptr;
    PFNCUSTOMINITIALIZEITEM initialize = nullptr;
    PFNCUSTOMOPTIONSDLGPROC options = nullptr;
    TODAYLISTITEM item{};
    HWND itemWindow = nullptr;
    std::wstring status;  // what the home screen says when there is no item
    bool enabled = true;
};

Host gHost;

std::wstring OwnFolder() {
    return veloranth::platform::ToWide(veloranth::platform::ModuleFolder());
}

// The home screen's own background: a soft vertical gradient over the whole window, so
// that an item asking for its part of it blends in.
void PaintBackground(HDC dc, const RECT& area, int topInHost, int hostHeight) {
    for (int y = area.top; y < area.bottom; ++y) {
        int shade = (y - area.top + topInHost) * 60 / (hostHeight > 0 ? hostHeight : 1);
        HBRUSH brush = CreateSolidBrush(RGB(214 - shade / 2, 232 - shade / 3, 250));
        RECT line = {area.left, y, area.right, y + 1};
        FillRect(dc, &line, brush);
        DeleteObject(brush);
    }
}

int HostHeight(HWND host) {
    RECT r;
    GetClientRect(host, &r);
    return r.bottom;
}

void LayOutItem(HWND host) {
    RECT client;
    GetClientRect(host, &client);
    MoveWindow(gHost.itemWindow, 0, kHeaderHeight, client.right, static_cast<int>(gHost.item.cyp),
               TRUE);
    InvalidateRect(gHost.itemWindow, nullptr, TRUE);
}

// The Today screen's periodic question: has the item's height or content changed?
void AskForRefresh(HWND host) {
    if (gHost.itemWindow != nullptr &&
        SendMessageW(gHost.itemWindow, WM_TODAYCUSTOM_QUERYREFRESHCACHE, 0,
                     reinterpret_cast<LPARAM>(&gHost.item))) {
        LayOutItem(host);
    }
}

void LoadItem(HWND host) {
    std::wstring path = OwnFolder() + L"TodayVeloranth.dll";
    gHost.library = LoadLibraryW(path.c_str());
    if (gHost.library == nullptr) {
        gHost.status = L"TodayVeloranth.dll refuse de se charger (erreur " +
                       std::to_wstring(GetLastError()) + L").";
        return;
    }
    gHost.initialize = ItemExport<PFNCUSTOMINITIALIZEITEM>(gHost.library, ORDINAL_INITIALIZEITEM);
    gHost.options = ItemExport<PFNCUSTOMOPTIONSDLGPROC>(gHost.library, ORDINAL_OPTIONSDIALOGPROC);
    if (gHost.initialize == nullptr) {
        gHost.status = L"TodayVeloranth.dll n'a pas d'\u00E9l\u00E9ment 240.";
        return;
    }
    TODAYLISTITEM& item = gHost.item;
    lstrcpynW(item.szName, L"Veloranth", 32);
    item.tlit = tlitCustom;
    item.fEnabled = gHost.enabled;
    item.fOptions = gHost.options != nullptr;
    lstrcpynW(item.szDLLPath, path.c_str(), MAX_PATH);
    item.hinstDLL = gHost.library;
    gHost.itemWindow = gHost.initialize(&item, host);
    item.hwndCustom = gHost.itemWindow;
    if (gHost.itemWindow == nullptr) {
        gHost.status = L"L'\u00E9l\u00E9ment Veloranth est d\u00E9sactiv\u00E9.";
    }
}

void OnCreate(HWND host) {
    // The home screen is the device: on a desktop it stands beside the program's. Placed
    // before the item loads, so that a box the library shows lies within it.
    PocketSetDeviceWindow(host, 1);
    RECT client;
    GetClientRect(host, &client);
    HWND button = CreateWindowExW(0, L"BUTTON", L"Options", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                  client.right - 64, client.bottom - 26, 60, 22, host,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kOptionsId)),
                                  GetModuleHandleW(nullptr), nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    LoadItem(host);
    AskForRefresh(host);
    SetTimer(host, kRefreshTimer, 1000, nullptr);
}

void OnPaint(HWND host) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(host, &ps);
    RECT client;
    GetClientRect(host, &client);
    PaintBackground(dc, client, 0, client.bottom);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColour);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    wchar_t date[64] = L"";
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, nullptr, nullptr, date, 64);
    RECT header = {6, 6, client.right, kHeaderHeight};
    DrawTextW(dc, date, -1, &header, DT_SINGLELINE);
    if (!gHost.status.empty()) {
        RECT status = {6, kHeaderHeight + 4, client.right - 6, client.bottom - 30};
        DrawTextW(dc, gHost.status.c_str(), -1, &status, DT_WORDBREAK);
    }
    SelectObject(dc, previous);
    EndPaint(host, &ps);
}

LRESULT OnDrawWatermark(HWND host, const TODAYDRAWWATERMARKINFO* info) {
    if (info == nullptr) {
        return 0;
    }
    POINT origin = {0, 0};
    MapWindowPoints(info->hwnd, host, &origin, 1);
    PaintBackground(info->hdc, info->rc, origin.y, HostHeight(host));
    return 1;
}

void OnDestroy() {
    if (gHost.itemWindow != nullptr) {
        DestroyWindow(gHost.itemWindow);
        gHost.itemWindow = nullptr;
    }
    if (gHost.library != nullptr) {
        FreeLibrary(gHost.library);
        gHost.library = nullptr;
    }
    PostQuitMessage(0);
}

LRESULT CALLBACK HostProc(HWND host, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate(host);
            return 0;
        case WM_PAINT:
            OnPaint(host);
            return 0;
        case WM_TIMER:
            AskForRefresh(host);
            return 0;
        case TODAYM_GETCOLOR:
            return wParam == TODAYCOLOR_TEXT ? kTextColour : RGB(0, 0, 0);
        case TODAYM_DRAWWATERMARK:
            return OnDrawWatermark(host, reinterpret_cast<const TODAYDRAWWATERMARKINFO*>(lParam));
        case WM_COMMAND:
            if (LOWORD(wParam) == kOptionsId && gHost.library != nullptr &&
                gHost.options != nullptr) {
                DialogBoxParamW(gHost.library, MAKEINTRESOURCEW(500), host, gHost.options, 0);
            }
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            return DefWindowProcW(host, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
    // "/disabled" hosts the item as a user who switched it off in the settings would.
    gHost.enabled = std::wcsstr(commandLine, L"/disabled") == nullptr;
    WNDCLASSW wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"TodayHostWindow";
    RegisterClassW(&wc);
    const RECT screen = PocketScreen();
    HWND host = CreateWindowExW(0, wc.lpszClassName, L"Aujourd'hui", WS_OVERLAPPEDWINDOW,
                                screen.left, screen.top, screen.right - screen.left,
                                screen.bottom - screen.top, nullptr, nullptr, instance, nullptr);
    if (host == nullptr) {
        return 1;
    }
    ShowWindow(host, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
