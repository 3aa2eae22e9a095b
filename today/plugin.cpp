// TodayVeloranth.dll: the library's load and unload, its two exports (by ordinal only)
// and the options dialog that starts Veloranth.exe. The item window is item_window.cpp's.
#include <windows.h>

#include <string>

#include "config/parser.h"
#include "platform/win/wide.h"
#include "shell/aygshell.h"
#include "today/item_window.h"
#include "today/plugin_reader.h"
#include "today/plugin_state.h"
#include "today/resource.h"
#include "today/today_screen.h"

namespace veloranth::today {

Plugin& ThePlugin() {
    static Plugin plugin;
    return plugin;
}

namespace {

constexpr int kPathBuffer = 256;  // UTF-16 characters of the launcher's path
// On purpose an off-screen start (0x1001F): the home screen moves and sizes the item itself.
constexpr int kItemStartPosition = 65567;

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
    p.day = TodayItemDay{};
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
