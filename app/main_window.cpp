// The main window procedure: a dispatch table that hands each message to a small handler.
#include "app/main_window.h"

#include "app/call_sound.h"
#include "app/commands.h"
#include "app/program.h"
#include "app/resource.h"
#include "platform/clock.h"
#include "platform/output.h"
#include "reports/prayer_report.h"
#include "reports/reminders.h"
#include "reports/startup.h"
#include "shell/aygshell.h"

namespace veloranth::app {

namespace {

constexpr UINT_PTR kClockTimer = 1;

// Menu bar, configuration and the day's summary; then the clock starts.
void OnCreate(HWND window) {
    Program& p = TheProgram();
    p.mainWindow = window;
    SHMENUBARINFO bar{};
    bar.cbSize = sizeof bar;
    bar.hwndParent = window;
    bar.nToolBarId = IDR_MENUBAR;
    bar.hInstRes = p.instance;
    p.menuBar = SHCreateMenuBar(&bar) ? bar.hwndMB : nullptr;
    p.activation = SHACTIVATEINFO{};
    p.activation.cbSize = sizeof p.activation;
    StartupLoad(p.state, BesideModule(ProgramFolder()), platform::LocalTime,
                platform::StandardOutput());
    BuildDaySummary(p.state);
    SetTimer(window, kClockTimer, 1000, ClockTimerProc);
}

void OnDestroy() {
    Program& p = TheProgram();
    if (p.menuBar != nullptr) {
        DestroyWindow(p.menuBar);
        p.menuBar = nullptr;
    }
    PostQuitMessage(0);
}

// The summary, measured to fit. Without a usable configuration the message that stands
// in its place may hold a long path: it is wrapped to the window's width.
void PaintSummary(HDC dc, HWND window) {
    const MainState& s = TheProgram().state;
    std::wstring text = platform::ToWide(s.DaySummaryText);
    RECT r = kSummaryRect;
    UINT format = 0;
    if (!s.townApplied) {
        GetClientRect(window, &r);
        r.left = kSummaryRect.left;
        r.top = kSummaryRect.top;
        r.right -= kSummaryRect.left;
        format = DT_WORDBREAK | DT_EDITCONTROL;
    }
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT);
    // Not clipped to the measure: a face's small-size bitmaps may draw a line a few pixels
    // wider than its outlines measure it.
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_NOCLIP);
}

// The day's times that may remind or call the window to the front: none without a town.
const FoundTimes& RemindableTimes(const MainState& s) {
    static const FoundTimes nothing = [] {
        FoundTimes f;
        for (bool& known : f.found) {
            known = false;
        }
        return f;
    }();
    return s.townApplied ? s.day.found : nothing;
}

void OnPaint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    // The device's default font is a small sans-serif; a desktop paint context starts with
    // the old wide "System" font, whose lines would not fit a 240-pixel screen.
    HFONT font = CreateFontW(-10, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, L"Tahoma");
    HGDIOBJ previousFont = SelectObject(dc, font);
    PaintSummary(dc, window);

    const PrayerDay& e = TheProgram().state.day;
    platform::LocalDateTime now = platform::LocalTime();
    const FoundTimes& found = RemindableTimes(TheProgram().state);
    if (PrayersCalling(e.shown, found, now.hour, now.minute) != 0) {
        SHSetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<UINT_PTR>(window) | 1));
    }
    std::wstring clock =
        platform::WindowText(ClockText(e.shown, found, now.hour, now.minute, now.second));
    const std::size_t kClockTextLimit = 400;  // characters, terminator included
    if (clock.size() > kClockTextLimit - 1) {
        clock.resize(kClockTextLimit - 1);
    }
    RECT label = kLabelRect;
    DrawTextW(dc, L"Heure actuelle :", -1, &label, 0);
    RECT clockRect = kClockRect;
    DrawTextW(dc, clock.c_str(), static_cast<int>(clock.size()), &clockRect, 0);
    SelectObject(dc, previousFont);
    DeleteObject(font);
    EndPaint(window, &ps);
}

}  // namespace

void CALLBACK ClockTimerProc(HWND window, UINT message, UINT_PTR, DWORD) {
    if (message == WM_TIMER) {
        // A new day: the summary as well as the clock (the reminders read the new times).
        if (FollowTheDay(TheProgram().state, platform::LocalTime)) {
            InvalidateRect(window, nullptr, TRUE);
        }
        RedrawWindow(window, &kClockRect, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_ERASENOW);
        SoundDueCalls();
    }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Program& p = TheProgram();
    switch (message) {
        case WM_CREATE:
            OnCreate(window);
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_ACTIVATE:
            SHHandleWMActivate(window, wParam, lParam, &p.activation, 0);
            return 0;
        case WM_SETTINGCHANGE:
            SHHandleWMSettingChange(window, wParam, lParam, &p.activation);
            return 0;
        case WM_PAINT:
            OnPaint(window);
            return 0;
        case WM_COMMAND:
            if (OnCommand(window, LOWORD(wParam))) {
                return 0;
            }
            return DefWindowProcW(window, message, wParam, lParam);
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace veloranth::app
