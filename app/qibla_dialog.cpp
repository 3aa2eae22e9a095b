// The qibla compass: the rose, the Sun's and the Kaaba's pictures with their arrows, and
// both bearings from north under it. Everything is painted.
#include <windows.h>

#include <string>

#include "app/dialogs.h"
#include "base/constants.h"
#include "app/program.h"
#include "app/resource.h"
#include "reports/qibla.h"
#include "engine/sun_position.h"
#include "shell/aygshell.h"

namespace veloranth::app {

namespace {

constexpr int kPictureSize = 16;

void CopyBitmap(HDC target, HDC memory, int id, int x, int y) {
    HBITMAP bitmap = LoadBitmapW(TheProgram().instance, MAKEINTRESOURCEW(id));
    if (bitmap == nullptr) {
        return;
    }
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(target, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
}

// The picture at the end of the arrow first, the arrow over it.
void DrawArrow(HDC dc, HDC memory, int pictureId, double angle, COLORREF colour) {
    CompassArrow a = ArrowToward(angle);
    CopyBitmap(dc, memory, pictureId, a.pictureX, a.pictureY);
    HPEN pen = CreatePen(PS_SOLID, 2, colour);
    HGDIOBJ previous = SelectObject(dc, pen);
    MoveToEx(dc, 75, 75, nullptr);
    LineTo(dc, a.tipX, a.tipY);
    LineTo(dc, a.barb1X, a.barb1Y);
    MoveToEx(dc, a.tipX, a.tipY, nullptr);
    LineTo(dc, a.barb2X, a.barb2Y);
    SelectObject(dc, previous);
    DeleteObject(pen);
}

void OnPaint(HWND dialog) {
    const MainState& s = TheProgram().state;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(dialog, &ps);
    HDC memory = CreateCompatibleDC(dc);
    CopyBitmap(dc, memory, IDB_COMPASS, 0, 0);
    // The observation date and time do not change while the dialog is open.
    const SolarState sun = SunPositionAt(InputsOf(s), s.date, s.time);
    DrawArrow(dc, memory, IDB_SUN, sun.az - Pi, RGB(255, 255, 0));  // from north
    const double qibla = QiblaBearing(s.config.LatitudeRad, s.config.LongitudeRad);
    DrawArrow(dc, memory, IDB_KAABA, qibla, RGB(0, 0, 0));
    std::wstring text = platform::WindowText(QiblaText(qibla, sun.az, sun.TZeff, sun.UTHour));
    // Within the dialog's width: a line too long for it wraps below instead of being cut.
    RECT r;
    GetClientRect(dialog, &r);
    r.left = 2;
    r.top = 152;
    r.right -= 2;
    // The dialog's own font, as on the device; a desktop paint context starts with the
    // wide "System" font, in which these lines do not fit the screen.
    HGDIOBJ previousFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_WORDBREAK);
    SelectObject(dc, previousFont);
    DeleteDC(memory);
    EndPaint(dialog, &ps);
}

}  // namespace

INT_PTR CALLBACK QiblaDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            InitViewingDialog(dialog);
            return TRUE;
        case WM_PAINT:
            OnPaint(dialog);
            return FALSE;
        default:
            return EndOnDoneOrClose(dialog, message, wParam) ? TRUE : FALSE;
    }
}

}  // namespace veloranth::app
