// Helpers for tests that drive the real programs under Wine: start a program in a folder
// of its own, wait for its windows, read what they show, press their buttons, and take
// screenshots of the virtual display.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>

namespace veloranth::wintest {

// The folder of the running test program (where the programs under test are built).
std::filesystem::path BuildFolder();

// A fresh folder under the build tree for one test: `name` inside build/win/test-runs.
std::filesystem::path FreshFolder(const std::string& name);

// Polls `condition` every 50 ms for up to `milliseconds`.
bool WaitFor(const std::function<bool()>& condition, int milliseconds = 10000);

// A started program; the destructor ends it if it is still running.
class Process {
  public:
    Process() = default;
    // Started in `folder` (by default the program's own).
    Process(const std::filesystem::path& exe, const std::wstring& arguments = L"",
            const std::wstring& folder = L"");
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;

    bool Started() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    // Waits for the end; returns the exit code, or -1 on time-out.
    long Wait(int milliseconds = 10000);

  private:
    PROCESS_INFORMATION info_{};
};

// The top-level window of a class and title (either may be null), or null after the time-out.
HWND WaitForWindow(const wchar_t* className, const wchar_t* title, int milliseconds = 10000);

// A top-level window of that class whose owner is `owner`.
HWND FindOwnedWindow(HWND owner, const wchar_t* className);

std::wstring WindowText(HWND window);
std::wstring ClassOf(HWND window);
// The text of a message box (its static text, id 0xFFFF).
std::wstring MessageBoxText(HWND box);

// Whether the window answers messages within the time.
bool Responds(HWND window, int milliseconds = 3000);

// Sets a date-time picker of another process (the SYSTEMTIME is copied into it).
bool SetPickerTime(HWND picker, const SYSTEMTIME& time);
bool GetPickerTime(HWND picker, SYSTEMTIME& time);

// Presses keys for real (the focused window of the foreground application gets them).
void PressChord(WORD modifier, WORD key);

// Saves the whole screen as a 24-bit BMP.
bool SaveScreenshot(const std::filesystem::path& file);

// "240x320": the virtual screen's size.
std::string ScreenSize();

// After a moment for the last paint, the screen as build/win/screenshots/<name>.bmp.
void Screenshot(const std::string& name);

// Reads a whole file as bytes ("" when missing).
std::string ReadBytes(const std::filesystem::path& file);

}  // namespace veloranth::wintest
