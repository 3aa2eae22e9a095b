// Stands in for the Pocket PC shell library (aygshell), which desktop Windows and Wine do
// not have: the menu bar at the bottom of the screen, full-screen dialogs with a Done
// button, the activation helpers and the shell's initialisation. Same interface as the
// program expects it, minimal bodies.
#pragma once

#include <windows.h>

extern "C" {

struct SHMENUBARINFO {
    DWORD cbSize;
    HWND hwndParent;
    DWORD dwFlags;
    UINT nToolBarId;     // RCDATA resource describing the buttons
    HINSTANCE hInstRes;  // module holding that resource, its strings and its menu
    int nBmpId;
    int cBmpImages;
    HWND hwndMB;  // out: the menu bar window
    COLORREF clrBk;
};

struct SHINITDLGINFO {
    DWORD dwMask;
    HWND hDlg;
    DWORD dwFlags;
};

struct SHACTIVATEINFO {
    DWORD cbSize;
    HWND hwndLastFocus;
    UINT fSipUp : 1;
    UINT fSipOnDeactivation : 1;
    UINT fActive : 1;
    UINT fReserved : 29;
};

#define SHIDIM_FLAGS 0x0001
#define SHIDIF_DONEBUTTON 0x0001
#define SHIDIF_SIZEDLG 0x0002
#define SHIDIF_SIZEDLGFULLSCREEN 0x0004
#define SHIDIF_SIPDOWN 0x0008
#define SHIDIF_FULLSCREENNOMENUBAR 0x0010
#define SHIDIF_EMPTYMENU 0x0020

// Asks a menu bar for the pop-up menu of one of its buttons (wParam 0, lParam the
// button's command); returns the HMENU.
#define SHCMBM_GETSUBMENU (WM_USER + 401)

// The class of our menu bar windows and the height they take at the bottom of the screen.
#define POCKET_MENUBAR_CLASS L"PocketMenuBar"
#define POCKET_MENUBAR_HEIGHT 26
// The Done button SHInitDialog adds to a dialog (it sends IDOK).
#define POCKET_DONE_BUTTON_ID IDOK
// The scrolling field that shows the text of a message box too tall for the screen.
#define POCKET_BOX_SCROLLING_TEXT_ID 0xFFFE
// The property a box or dialog carries once it has been fitted to the screen.
#define POCKET_FITTED_PROPERTY L"PocketFitted"

BOOL SHInitExtraControls(void);
BOOL SHCreateMenuBar(SHMENUBARINFO* info);
BOOL SHInitDialog(SHINITDLGINFO* info);
BOOL SHHandleWMActivate(HWND hwnd, WPARAM wParam, LPARAM lParam, SHACTIVATEINFO* info, DWORD flags);
BOOL SHHandleWMSettingChange(HWND hwnd, WPARAM wParam, LPARAM lParam, SHACTIVATEINFO* info);

// Windows CE's SetForegroundWindow with the handle's lowest bit set: the window and the
// windows it owns come forward (the topmost owned one, a dialog say, gets the focus).
BOOL SHSetForegroundWindow(HWND hwndMaybeOrOne);

// "The screen" in screen coordinates: every place and size a program takes from the screen
// comes from here. The whole display on a handheld; on a desktop-size display, a portrait
// handheld's area that follows the program's device window.
RECT PocketScreen(void);
// Makes `window` the program's device window (its first one only) and fits it to the
// screen; on a desktop its area starts as the `slot`th from the left, and the user can move
// it by its caption.
void PocketSetDeviceWindow(HWND window, int slot);
// Moves the menu bars of `owner` to the bottom of the screen.
void PocketFollowScreen(HWND owner);

}  // extern "C"

// Not the shell's own: what its initialisation does for the user-interface thread, for a
// thread of ours that shows message boxes too (they fit the screen as on the device).
void PocketFitMessageBoxes();
