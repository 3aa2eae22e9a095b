// Stands in for the Today screen's interface header, which desktop Windows and Wine do
// not have: the records and messages between the home screen and a custom item, with the
// platform's own member layout so that any host written against it works with our item.
#pragma once

#include <windows.h>

extern "C" {

enum TODAYLISTITEMTYPE { tlitOwnerInfo = 0, tlitAppointments, tlitMail, tlitTasks, tlitCustom };

struct TODAYLISTITEM {
    WCHAR szName[32];
    TODAYLISTITEMTYPE tlit;
    DWORD dwOrder;
    DWORD cyp;  // the item's height in pixels, answered to WM_TODAYCUSTOM_QUERYREFRESHCACHE
    BOOL fEnabled;
    BOOL fOptions;
    DWORD grflags;
    WCHAR szDLLPath[MAX_PATH];
    HINSTANCE hinstDLL;
    HWND hwndCustom;
    BOOL fSizeOnDraw;
    BYTE* prgbCachedData;
    DWORD cbCachedData;
};

struct TODAYDRAWWATERMARKINFO {
    HDC hdc;
    RECT rc;
    HWND hwnd;
};

// Sent by the home screen to an item.
#define WM_TODAYCUSTOM_CLEARCACHE 0x04F2
#define WM_TODAYCUSTOM_QUERYREFRESHCACHE 0x04F3  // lParam: the item's TODAYLISTITEM*
// Sent by an item to the home screen (its parent).
#define TODAYM_GETCOLOR 0x0464       // wParam: which colour; returns a COLORREF
#define TODAYM_DRAWWATERMARK 0x0465  // lParam: TODAYDRAWWATERMARKINFO*
#define TODAYCOLOR_TEXT 0x10000004

// The item's exports, by ordinal.
#define ORDINAL_INITIALIZEITEM 240
#define ORDINAL_OPTIONSDIALOGPROC 241
typedef HWND(WINAPI* PFNCUSTOMINITIALIZEITEM)(TODAYLISTITEM*, HWND);
typedef INT_PTR(CALLBACK* PFNCUSTOMOPTIONSDLGPROC)(HWND, UINT, WPARAM, LPARAM);

}  // extern "C"

// An item's export by ordinal, as the function type it has.
template <class Function>
Function ItemExport(HMODULE library, int ordinal) {
    // Through void*: GetProcAddress's FARPROC says nothing of the real signature.
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(ordinal))));
}
