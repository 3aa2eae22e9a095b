// Command handlers. Commands that need a town say so in a message box when data.cfg
// could not be read, instead of computing from a town that does not exist.
#include "app/commands.h"

#include <cwchar>
#include <thread>

#include "app/dialogs.h"
#include "app/program.h"
#include "app/resource.h"
#include "platform/launch.h"
#include "platform/output.h"
#include "reports/calendar.h"
#include "reports/prayer_report.h"
#include "reports/sun_report.h"

namespace veloranth::app {

namespace {

// Scheme and host of the update-check page, in this one place.
constexpr wchar_t kUpdateSite[] = L"https://veloranth.example.org";

bool TownAvailable(HWND window) {
    MainState& s = TheProgram().state;
    if (s.townApplied) {
        return true;
    }
    MessageBoxW(window, platform::ToWide(ConfigProblemText(s)).c_str(), L"Veloranth",
                MB_OK | MB_ICONWARNING);
    return false;
}

void ShowText(HWND window, const std::string& text, const wchar_t* caption) {
    std::wstring wide = platform::WindowText(text);
    MessageBoxW(window, wide.c_str(), caption, MB_OK);
    platform::DebugOutput(platform::FromWide(wide));
}

// Opening a document may wait on a handler (a browser without network): never on the
// user-interface thread.
void OpenDetached(const std::u16string& target) {
    std::thread([target] { platform::OpenDocument(target); }).detach();
}

// A page of ours that nothing could open is at least said where it lies. The box belongs
// to the opening thread and, like the window's own boxes, fits the screen.
void OpenPage(const std::u16string& page) {
    std::thread([page] {
        if (platform::OpenDocument(page)) {
            return;
        }
        PocketFitMessageBoxes();
        std::wstring text = L"Aucun navigateur n'a pu ouvrir la page. Elle se trouve ici :\n" +
                            platform::ToWide(page);
        MessageBoxW(nullptr, text.c_str(), L"Navigateur",
                    MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
    }).detach();
}

}  // namespace

std::wstring UpdateCheckAddress() {
    std::wstring base = std::wstring(kUpdateSite) + L"/checkversion.php?ppcversion=";
    wchar_t address[1000];
    std::swprintf(address, 1000, L"%ls%.2f", base.c_str(), kVersion);
    return address;
}

INT_PTR RunDialog(HWND owner, int templateId, DLGPROC procedure) {
    HINSTANCE instance = TheProgram().instance;
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    auto* dialog = loaded ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
    if (dialog == nullptr) {
        return -1;
    }
    return DialogBoxIndirectParamW(instance, dialog, owner, procedure, 0);
}

bool OnCommand(HWND window, UINT command) {
    Program& p = TheProgram();
    MainState& s = p.state;
    TextSink& console = platform::StandardOutput();
    switch (command) {
        case IDM_EXIT:
            SendMessageW(window, WM_CLOSE, 0, 0);
            return true;
        case IDM_TOWNS:
            RunDialog(window, IDD_CONFIG, ConfigDialogProc);
            InvalidateRect(window, nullptr, TRUE);
            return true;
        case IDM_PRAYER_TIMES:
            if (TownAvailable(window)) {
                ShowText(window, PrayerTimeBoxText(s), L"Veloranth");
            }
            return true;
        case IDM_SUN_POSITION:
            if (TownAvailable(window)) {
                ShowText(window, SunBoxText(s, nullptr), L"Sun position");
            }
            return true;
        case IDM_QIBLA:
            if (TownAvailable(window)) {
                RunDialog(window, IDD_QIBLA, QiblaDialogProc);
            }
            return true;
        case IDM_MONTH_CALENDAR:
            if (TownAvailable(window)) {
                WriteMonthCalendar(s, ProgramFolder(), console, OpenPage);
            }
            return true;
        case IDM_YEAR_CALENDAR:
            if (TownAvailable(window)) {
                WriteYearCalendar(s, ProgramFolder(), console, OpenPage);
            }
            return true;
        case IDM_RAMADAN_CALENDAR:
            if (TownAvailable(window)) {
                WriteRamadanCalendar(s, ProgramFolder(), console, OpenPage);
            }
            return true;
        case IDM_HELP:
            OpenPage(ProgramFolder() + u"help.html");
            return true;
        case IDM_UPDATE:
            OpenDetached(platform::FromWide(UpdateCheckAddress()));
            return true;
        case IDM_ABOUT:
            RunDialog(window, IDD_ABOUT, AboutDialogProc);
            return true;
        default:
            return false;
    }
}

}  // namespace veloranth::app
