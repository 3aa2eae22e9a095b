// TodayVeloranth.dll: the library's load and unload, its two exports (by ordinal only),
// the item window with its refresh protocol and painting, and the options dialog that
// starts Veloranth.exe.
#include <windows.h>

#include <string>

#include "config/parser.h"
#include "platform/clock.h"
#include "platform/win/wide.h"
#include "shell/aygshell.h"
#include "today/plugin_reader.h"
#include "today/resource.h"
#include "today/today_line.h"
#include "today/today_screen.h"

namespace veloranth::today {

namespace {

constexpr wchar_t kItemClass[] = L"VeloranthClass";
constexpr int kPathBuffer = 256;  // UTF-16 characters of the launcher's path
// On purpose an off-screen start (0x1001F): the home screen moves and sizes the item itself.
constexpr int kItemStartPosition = 65567;
constexpr int kIconInset = 20;  // pixels from the item's right edge to the icon's left
constexpr wchar_t kDeviceFace[] = L"Tahoma";

// The library's module-level state, touched on the home screen's interface thread.
struct Plugin {
    HMODULE ModuleHandle = nullptr;
    HWND ItemWindow = nullptr;
    HICON ItemIcon = nullptr;
    bool ShowHeader = false;
    bool RefreshPending = true;
    int ScreenDpiX = 0;  // 0: not read yet; -1: no screen device context
    int ScreenDpiY = 0;
    WideAppConfig config;
    TodayItemDay day;
};

Plugin& ThePlugin() {
    static Plugin plugin;
    return plugin;
}

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
            p.day.engine.date.Year = 0;  // the next paint recomputes the line
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

// Veloranth.exe from the library's folder; a folder too long for the name refuses the
// start instead of writing past the path buffer.
void StartVeloranth() {
    wchar_t path[kPathBuffer];
    DWORD length = GetModuleFileNameW(ThePlugin().ModuleHandle, path, kPathBuffer);
    if (length == 0 || length >= kPathBuffer) {
        return;
    }
    std::wstring exe = platform::FolderOf(std::wstring(path, length)) + L"Veloranth.exe";
    if (exe.size() >= kPathBuffer) {
        return;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(exe.c_str(), nullptr, nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                       nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

BOOL Load(HMODULE module) {
    Plugin& p = ThePlugin();
    p.config.NumberOfTowns = 0;
    if (ReadConfig(module, p.config) != kReadOk) {
        return FALSE;
    }
    p.day.engine.date = {0, 0, 0};
    p.config.Verbose = 0;
    p.ShowHeader = false;
    p.RefreshPending = true;
    RefreshLine();
    p.ModuleHandle = module;
    int iconWidth = (DpiX() + 3) * 16 / 96, iconHeight = (DpiY() + 3) * 16 / 96;
    p.ItemIcon = static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(IDI_ITEM_ICON), IMAGE_ICON, iconWidth, iconHeight, 0));
    UnregisterClassW(kItemClass, module);
    WNDCLASSW wc{};
    wc.lpfnWndProc = TodayItemWndProc;
    wc.hInstance = module;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(0x40000001);  // the home screen paints it
    wc.lpszClassName = kItemClass;
    RegisterClassW(&wc);
    p.ItemWindow = nullptr;
    return TRUE;
}

BOOL Unload() {
    Plugin& p = ThePlugin();
    ReleaseTownTable(p.config, ProcessHeapAllocator());
    if (p.ItemIcon != nullptr) {
        DestroyIcon(p.ItemIcon);
        p.ItemIcon = nullptr;
    }
    UnregisterClassW(kItemClass, p.ModuleHandle);
    p.ModuleHandle = nullptr;
    return TRUE;
}

}  // namespace

BOOL PluginEntry(HMODULE module, DWORD reason) {
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            return Load(module);
        case DLL_PROCESS_DETACH:
            return Unload();
        default:
            return TRUE;
    }
}

}  // namespace veloranth::today

extern "C" {

// Ordinal 240: the item window, for an enabled item only.
__declspec(dllexport) HWND WINAPI InitializeCustomItem(TODAYLISTITEM* item, HWND parent) {
    using namespace veloranth::today;
    if (item == nullptr || !item->fEnabled) {
        return nullptr;
    }
    ThePlugin().ItemWindow = CreateWindowExW(0, kItemClass, L"Veloranth", WS_CHILD | WS_VISIBLE,
                                             kItemStartPosition, kItemStartPosition, 0, 0, parent,
                                             nullptr, ThePlugin().ModuleHandle, nullptr);
    return ThePlugin().ItemWindow;
}

// Ordinal 241: the options dialog (template 500) with its button starting Veloranth.
__declspec(dllexport) INT_PTR CALLBACK
    CustomItemOptionsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    using namespace veloranth::today;
    switch (message) {
        case WM_INITDIALOG: {
            SHINITDLGINFO info{SHIDIM_FLAGS, dialog, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN};
            SHInitDialog(&info);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDC_START_VELORANTH) {
                StartVeloranth();  // the dialog stays open
            }
            return FALSE;
        default:
            return FALSE;
    }
}

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    return veloranth::today::PluginEntry(module, reason);
}

}  // extern "C"
