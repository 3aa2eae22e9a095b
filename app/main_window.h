// The main window: the summary, a live clock with reminders, and every command.
#pragma once

#include <windows.h>

namespace veloranth::app {

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void CALLBACK ClockTimerProc(HWND window, UINT message, UINT_PTR timer, DWORD time);

// Client rectangles of the window's three texts.
inline constexpr RECT kSummaryRect = {4, 10, 100, 100};
inline constexpr RECT kLabelRect = {4, 100, 100, 114};
inline constexpr RECT kClockRect = {10, 115, 120, 143};

}  // namespace veloranth::app
