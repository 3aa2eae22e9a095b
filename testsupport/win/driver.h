// Helpers for tests that drive the real programs under Wine: start a program in a folder
// of its own, wait for its windows, read what they show, press their buttons, and take
// screenshots of the virtual display.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace veloranth::wintest {

// The folder of the running test program (where the programs under test are built).
std::filesystem::path BuildFolder();

// A fresh folder `name` under build/win/test-runs holding copies of these files of the
// build folder.
std::filesystem::path FolderWith(const std::string& name,
                                 std::initializer_list<const char*> builtFiles);

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
    Process& operator=(Process&& other) noexcept;

    bool Started() const { return info_.hProcess != nullptr; }
    // Waits for the end; returns the exit code, or -1 on time-out.
    long Wait(int milliseconds = 10000);

  private:
    PROCESS_INFORMATION info_{};
};

// The path of a file under Wine's drive Z: as Linux names it.
std::string LinuxPath(const std::filesystem::path& file);

// Starts a Linux shell command from the Wine side (Wine starts a Linux program it is given)
// and returns at once: Wine cannot wait for it, so the command leaves its own trace.
bool StartOnLinux(const std::string& shellCommand);

// The command line of the native build beside this one (build/native), quoted for a shell
// (said on standard error when it is not built: the command then fails).
std::string NativeCli();

// Whole seconds of a time since 1601: comparable across midnight too.
long long Seconds(SYSTEMTIME t);

// Holds a record lock on `file` from Linux for `seconds` (as the command line would hold
// data.cfg.lock); true once it is held. FILE.released appears when it is let go.
bool HoldOnLinux(const std::filesystem::path& file, int seconds);

// The top-level window of a class and title (either may be null), and of that owner when
// one is given; null after the time-out.
HWND WaitForWindow(const wchar_t* className, const wchar_t* title, int milliseconds = 10000,
                   HWND owner = nullptr);

std::wstring WindowText(HWND window);
// The text of a message box (its static text, id 0xFFFF).
std::wstring MessageBoxText(HWND box);

// Whether the window answers messages within the time.
bool Responds(HWND window, int milliseconds = 3000);

// Sets a date-time picker of another process (the SYSTEMTIME is copied into it).
bool SetPickerTime(HWND picker, const SYSTEMTIME& time);
bool GetPickerTime(HWND picker, SYSTEMTIME& time);

// Presses keys for real (the focused window of the foreground application gets them).
void PressChord(WORD modifier, WORD key);

// The window's rectangle in screen coordinates.
RECT RectOf(HWND window);

// The screen a program sees: the display, or on a desktop-size display the handheld-shaped
// area that begins at the corner of the program's main window.
RECT ProgramScreen(HWND mainWindow);

// The ids of the visible windows among `window` and its children that do not lie wholly
// within `area` (none when all fit).
std::vector<int> OutsideOf(HWND window, RECT area);

// The runs of dark (text) columns of a screen area as painted: words separated by at least
// `gap` light columns count as one run each; first and last column from the area's left.
std::vector<std::pair<int, int>> TextRunsIn(RECT area, int gap);

// How wide a text is in a face, bold or regular, at a character height in pixels.
int TextWidthIn(const std::wstring& text, const wchar_t* face, bool bold, int height);

// "240x320": the virtual screen's size.
std::string ScreenSize();

// After a moment for the last paint, the whole screen as build/win/screenshots/<name>.bmp
// (24-bit).
void Screenshot(const std::string& name);

// Closes the message boxes with these captions that appear while it lives, on a thread of
// its own, and keeps their captions and texts. It is running once constructed: a thread
// still starting when a library loads would wait for the loader lock that a load keeps
// while its box is up.
class BoxCloser {
  public:
    explicit BoxCloser(std::vector<std::wstring> captions);
    ~BoxCloser();
    // Stops watching; `seen` is complete afterwards.
    void Stop();
    std::vector<std::pair<std::wstring, std::wstring>> seen;  // caption, text

  private:
    void Watch();
    std::vector<std::wstring> captions_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
};

// The export directory of a library, mapped without running it: first ordinal, functions
// and names.
struct ExportCounts {
    std::uint32_t ordinalBase = 0, functions = 0, names = 0;
};
bool ReadExportCounts(const std::filesystem::path& image, ExportCounts& counts);

// Reads a whole file as bytes ("" when missing).
std::string ReadBytes(const std::filesystem::path& file);

}  // namespace veloranth::wintest
