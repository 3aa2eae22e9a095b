// The main program's process-wide records, touched by its one user-interface thread.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win/wide.h"
#include "reports/main_state.h"
#include "shell/aygshell.h"

namespace veloranth::app {

struct Program {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    HWND menuBar = nullptr;
    SHACTIVATEINFO activation{};
    double lastCall = 0;  // the moment of the last call sounded (ClockSeconds)
    wchar_t title[100] = L"";
    wchar_t className[100] = L"";
    MainState state;
};

Program& TheProgram();

// The folder of Veloranth.exe, with its trailing backslash.
std::u16string ProgramFolder();

// The program's version as every text shows it (1.4 with two decimals).
inline constexpr double kVersion = 1.4;

}  // namespace veloranth::app
