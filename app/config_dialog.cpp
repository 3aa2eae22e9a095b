// The configuration dialog: town, observation date and time; Done applies them, "Sauve
// config" stores the chosen town in data.cfg without changing the running program.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "app/dialog_layout.h"
#include "app/dialogs.h"
#include "app/program.h"
#include "app/resource.h"
#include "base/codepage.h"
#include "config/writer.h"
#include "platform/output.h"
#include "platform/clock.h"
#include "platform/win/wide.h"
#include "reports/prayer_report.h"
#include "reports/startup.h"
#include "shell/aygshell.h"

namespace veloranth::app {

namespace {

constexpr int kEntrySize = 120;       // bytes of one list entry, terminator included
constexpr int kTemplateHeight = 149;  // dialog units of the configuration template

// "Country : Name", cut to fit its buffer rather than written past it.
std::wstring TownEntry(const Town& town) {
    char entry[kEntrySize];
    std::snprintf(entry, sizeof entry, "%s : %s", town.Country, town.Name);
    return platform::WindowText(entry);
}

SYSTEMTIME ObservationTimeStamp(const MainState& s) {
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(s.date.Year);
    t.wMonth = static_cast<WORD>(s.date.Month);
    t.wDay = static_cast<WORD>(s.date.Day);
    t.wHour = static_cast<WORD>(s.time.Hour);
    t.wMinute = static_cast<WORD>(s.time.Minute);
    t.wSecond = static_cast<WORD>(s.time.Second);
    return t;
}

void SetPickers(HWND dialog, SYSTEMTIME t) {
    SendDlgItemMessageW(dialog, IDC_DATE, DTM_SETSYSTEMTIME, GDT_VALID,
                        reinterpret_cast<LPARAM>(&t));
    SendDlgItemMessageW(dialog, IDC_TIME, DTM_SETSYSTEMTIME, GDT_VALID,
                        reinterpret_cast<LPARAM>(&t));
}

// The list's selection when it designates a town that exists, else -1.
int ChosenTown(HWND dialog) {
    const AppConfig& c = TheProgram().state.config;
    int chosen = static_cast<int>(SendDlgItemMessageW(dialog, IDC_TOWN, CB_GETCURSEL, 0, 0));
    bool exists = chosen >= 0 && chosen < c.NumberOfTowns && c.TownTable != nullptr &&
                  c.TownTable[chosen] != nullptr;
    return exists ? chosen : -1;
}

// The template when the screen is tall enough for it, else the same controls arranged for
// a short screen (landscape or square), so that every control stays on the screen.
void FitLayout(HWND dialog) {
    RECT client, needed = {0, 0, 0, kTemplateHeight};
    GetClientRect(dialog, &client);
    MapDialogRect(dialog, &needed);
    const int layout = needed.bottom <= client.bottom ? IDD_CONFIG : IDD_CONFIG_SHORT;
    ApplyDialogLayout(TheProgram().instance, dialog, layout);
}

// A classic combo box drops down as far as its template height says, one row here. It
// gets every row that fits between the box and the screen's bottom edge instead.
void FitTownDropDown(HWND dialog) {
    HWND combo = GetDlgItem(dialog, IDC_TOWN);
    RECT field;
    if (combo == nullptr || !GetWindowRect(combo, &field)) {
        return;  // the dialog's first size comes before its controls
    }
    const RECT screen = PocketScreen();
    const int row = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    const int border = 2 * GetSystemMetrics(SM_CYBORDER);
    const int rows = row > 0 ? (screen.bottom - field.bottom - border) / row : 0;
    if (rows > 0) {
        SetWindowPos(combo, nullptr, 0, 0, field.right - field.left,
                     (field.bottom - field.top) + rows * row + border,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

BOOL OnInitDialog(HWND dialog) {
    const MainState& s = TheProgram().state;
    const AppConfig& c = s.config;
    for (int i = 0; i < c.NumberOfTowns && c.TownTable != nullptr; ++i) {
        std::wstring entry = c.TownTable[i] ? TownEntry(*c.TownTable[i]) : L"?";
        SendDlgItemMessageW(dialog, IDC_TOWN, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(entry.c_str()));
    }
    SendDlgItemMessageW(dialog, IDC_TOWN, CB_SETCURSEL, c.TownSelected, 0);
    SetPickers(dialog, ObservationTimeStamp(s));
    if (!InitShellDialog(dialog, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN)) {
        MessageBoxW(nullptr, L"Can't create dialog box.", L"Error", MB_OK);
    }
    return TRUE;
}

// Done: the chosen town (when there is one), date and time, and the day recomputed.
void OnDone(HWND dialog) {
    MainState& s = TheProgram().state;
    int chosen = ChosenTown(dialog);
    if (chosen >= 0) {
        s.config.TownSelected = chosen;
        ApplyTown(s.config, *s.config.TownTable[chosen]);
        s.townApplied = true;
    }
    SYSTEMTIME date{}, time{};
    SendDlgItemMessageW(dialog, IDC_DATE, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date));
    SendDlgItemMessageW(dialog, IDC_TIME, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    s.date = {date.wDay, date.wMonth, date.wYear};
    s.time = {time.wHour, time.wMinute, time.wSecond};
    // Today's date (or "Maintenant") follows the day again; any other date stays chosen.
    s.followsDay = IsClockDay(s.date, platform::LocalTime());
    BuildDaySummary(s);
    EndDialog(dialog, 1);
}

// While a save waits, the dialog's buttons do nothing: it must not end, nor save twice,
// under the save that runs.
bool gSaving = false;

// While another program holds data.cfg's lock: the program keeps answering its messages
// (the clock, the call, painting) for five seconds at most.
class AnsweringWait {
  public:
    bool operator()() {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));  // for the loop that ends
                return false;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        return GetTickCount64() - start_ < kLongest;
    }

  private:
    static constexpr ULONGLONG kLongest = 5000;  // milliseconds
    ULONGLONG start_ = GetTickCount64();
};

std::wstring SaveFailureText(const SaveFailure& failure) {
    switch (failure.problem) {
        case SaveProblem::kBusy:
            return L"data.cfg est en cours de modification par un autre programme : rien "
                   L"n'a \u00E9t\u00E9 enregistr\u00E9. R\u00E9essayez dans un instant.";
        case SaveProblem::kUnreadable:
            return L"data.cfg a \u00E9t\u00E9 modifi\u00E9 ailleurs et ne se lit plus en "
                   L"entier : rien n'a \u00E9t\u00E9 enregistr\u00E9.";
        case SaveProblem::kTownGone:
            return L"La ville choisie n'est plus dans data.cfg : rien n'a \u00E9t\u00E9 "
                   L"enregistr\u00E9.";
        case SaveProblem::kSystem:
            break;
    }
    return L"data.cfg n'a pas pu \u00EAtre enregistr\u00E9 ; le fichier est inchang\u00E9.\n\n" +
           platform::ToWide(failure.path) + L" : " +
           platform::ToWide(Utf8ToUtf16(failure.reason));
}

// "Sauve config": data.cfg gets the chosen town; the running program keeps its own until
// Done, so its names and figures always belong to the same town. The file is read again
// under the lock: a town another program added meanwhile stays.
void OnSave(HWND dialog) {
    MainState& s = TheProgram().state;
    int chosen = ChosenTown(dialog);
    if (chosen < 0) {
        MessageBoxW(dialog, L"Aucune ville \u00E0 enregistrer : la table des villes est vide.",
                    L"Sauve config", MB_OK | MB_ICONWARNING);
        return;
    }
    SaveFailure failure;
    gSaving = true;
    const bool saved = SaveTownChoice(ProgramFolder(), s.config, chosen, AnsweringWait(),
                                      platform::StandardOutput(), PlatformFileOps(), &failure);
    gSaving = false;
    if (!saved) {
        MessageBoxW(dialog, SaveFailureText(failure).c_str(), L"Sauve config",
                    MB_OK | MB_ICONWARNING);
    }
}

void OnNow(HWND dialog) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    SetPickers(dialog, now);
}

}  // namespace

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (gSaving && (message == WM_COMMAND || message == WM_CLOSE)) {
        return TRUE;
    }
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog(dialog);
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                    OnDone(dialog);
                    return TRUE;
                case IDC_SAVE:
                    OnSave(dialog);
                    return FALSE;
                case IDC_NOW:
                    OnNow(dialog);
                    return FALSE;
                default:
                    return FALSE;
            }
        case WM_SIZE:
            FitLayout(dialog);
            FitTownDropDown(dialog);
            return FALSE;
        default:
            return EndOnDoneOrClose(dialog, message, wParam) ? TRUE : FALSE;
    }
}

}  // namespace veloranth::app
