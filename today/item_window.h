// The Today item's window: its line kept up to date, its painting and the home screen's
// refresh protocol.
#pragma once

#include <windows.h>

namespace veloranth::today {

// The screen's pixels per logical inch, read once each.
int DpiX();
int DpiY();

// Today's line, made again when the local date has changed.
void RefreshLine();

LRESULT CALLBACK TodayItemWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace veloranth::today
