// The plug-in's diagnostic log: time-stamped, thread-tagged lines appended to a file in
// the root folder named after the host program ("\<host>_log.txt"). Nothing is created
// until the first use; the file is closed with "Log finished" when the library unloads.
#pragma once

#include <windows.h>

#include <cstdarg>

namespace veloranth::today {

class DiagnosticLog {
  public:
    DiagnosticLog();
    virtual ~DiagnosticLog();
    DiagnosticLog(const DiagnosticLog&) = delete;
    DiagnosticLog& operator=(const DiagnosticLog&) = delete;

    bool IsOpen() const { return open_; }
    // Creates the file and writes the banner, when it is not open yet.
    void Open();
    // Appends one line (dropped whole when it does not fit 1024 bytes).
    void AppendLine(const char* message);

  private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
    CRITICAL_SECTION lock_;  // recursive: the banner is written while opening holds it
    bool open_ = false;
    DWORD depthSlot_;
};

// The process's log, created on first use (safely, also from two threads at once) and
// opened on every call while it is closed.
DiagnosticLog* GetLog();
void LogText(DiagnosticLog* log, const char* format, ...);
void LogWideText(DiagnosticLog* log, const wchar_t* format, ...);
// The calling thread's last error with the system's text for it.
void LogLastError(DiagnosticLog* log);

}  // namespace veloranth::today
