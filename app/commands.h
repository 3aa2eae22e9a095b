// The main window's commands: reports in message boxes, dialogs, calendars, help and the
// update check.
#pragma once

#include <windows.h>

#include <string>

namespace veloranth::app {

// Carries out a command; false for an id that is not one of ours (DefWindowProcW's).
bool OnCommand(HWND window, UINT command);

// The address opened by the update check.
std::wstring UpdateCheckAddress();

// Runs a dialog template of the program modally, owned by `owner`.
INT_PTR RunDialog(HWND owner, int templateId, DLGPROC procedure);

}  // namespace veloranth::app
