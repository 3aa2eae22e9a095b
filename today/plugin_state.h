// The plug-in's module-level state, touched on the home screen's interface thread: what
// its load reads, what the item window keeps between paints.
#pragma once

#include <windows.h>

#include "config/model.h"
#include "today/today_line.h"

namespace veloranth::today {

inline constexpr wchar_t kItemClass[] = L"VeloranthClass";

struct Plugin {
    HMODULE ModuleHandle = nullptr;
    HWND ItemWindow = nullptr;
    HICON ItemIcon = nullptr;
    bool ShowHeader = false;
    bool RefreshPending = true;
    int ScreenDpiX = 0;  // 0: not read yet; -1: no screen device context
    int ScreenDpiY = 0;
    WideAppConfig config;
    TodayItemDay day;  // the item's line and the date it was made for
};

Plugin& ThePlugin();

}  // namespace veloranth::today
