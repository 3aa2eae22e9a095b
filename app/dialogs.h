// The dialog procedures of the program.
#pragma once

#include <windows.h>

namespace veloranth::app {

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK QiblaDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// SHInitDialog with these flags (SHIDIF_...), for a dialog of the program.
BOOL InitShellDialog(HWND dialog, DWORD flags);
// The set-up of a dialog that only shows: full screen, a Done button, no menu.
BOOL InitViewingDialog(HWND dialog);

// Done (IDOK) ends a dialog with 1, closing it with 16: true when `message` was one of them.
bool EndOnDoneOrClose(HWND dialog, UINT message, WPARAM wParam);

}  // namespace veloranth::app
