// The log file: 8-bit text, CR LF line ends, one run per file.
#include "today/diagnostic_log.h"

#include <cinttypes>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace veloranth::today {

namespace {

constexpr int kLineSize = 1024;
constexpr int kStampSize = 400;

// "\<base name of the host executable>_log.txt".
std::wstring LogPath() {
    wchar_t exe[260] = L"";
    GetModuleFileNameW(nullptr, exe, 260);
    std::wstring path = exe;
    std::size_t slash = path.rfind(L'\\');
    path = slash == std::wstring::npos ? L"\\" + path : path.substr(slash);
    std::size_t dot = path.rfind(L'.');
    if (dot != std::wstring::npos && dot > 0) {
        path.resize(dot);
    }
    return path + L"_log.txt";
}

}  // namespace

DiagnosticLog::DiagnosticLog() {
    InitializeCriticalSection(&lock_);
    depthSlot_ = TlsAlloc();
}

DiagnosticLog::~DiagnosticLog() {
    EnterCriticalSection(&lock_);
    if (open_) {
        AppendLine("Log finished");
        CloseHandle(file_);
        file_ = INVALID_HANDLE_VALUE;
        open_ = false;
    }
    LeaveCriticalSection(&lock_);
    DeleteCriticalSection(&lock_);
    if (depthSlot_ != TLS_OUT_OF_INDEXES) {
        TlsFree(depthSlot_);
    }
}

void DiagnosticLog::Open() {
    if (depthSlot_ != TLS_OUT_OF_INDEXES) {
        TlsSetValue(depthSlot_, nullptr);  // depth 0 for the opening thread
    }
    std::wstring path = LogPath();
    EnterCriticalSection(&lock_);
    if (!open_) {
        DeleteFileW(path.c_str());
        file_ = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file_ != INVALID_HANDLE_VALUE) {
            SetFilePointer(file_, 0, nullptr, FILE_END);
            open_ = true;
            SYSTEMTIME now;
            GetLocalTime(&now);
            wchar_t exe[260] = L"";
            GetModuleFileNameW(nullptr, exe, 260);
            LogWideText(this, L"=============================================");
            LogWideText(
                this,
                L"Log is started on %02u.%02u.%04u, at %02u:%02u:%02u:%03u, executable: %ls "
                L"(ProcID: 0x%08x), compile time : %hs %hs",
                now.wDay, now.wMonth, now.wYear, now.wHour, now.wMinute, now.wSecond,
                now.wMilliseconds, exe, GetCurrentProcessId(), __DATE__, __TIME__);
        }
    }
    LeaveCriticalSection(&lock_);
}

void DiagnosticLog::AppendLine(const char* message) {
    EnterCriticalSection(&lock_);
    if (open_) {
        SYSTEMTIME now;
        GetLocalTime(&now);
        LARGE_INTEGER counter{};
        QueryPerformanceCounter(&counter);
        char stamp[kStampSize];
        std::snprintf(stamp, sizeof stamp, "%02u:%02u:%02u(%" PRId64 ")", now.wHour, now.wMinute,
                      now.wSecond, static_cast<std::int64_t>(counter.QuadPart));
        int depth = depthSlot_ == TLS_OUT_OF_INDEXES
                        ? 0
                        : static_cast<int>(reinterpret_cast<INT_PTR>(TlsGetValue(depthSlot_)));
        std::string indent(static_cast<std::size_t>(depth < 0 ? 0 : depth > 99 ? 99 : depth), ' ');
        char line[kLineSize];
        int n = std::snprintf(line, sizeof line, "%s,thr 0x%08lX : %s%s\r\n", stamp,
                              GetCurrentThreadId(), indent.c_str(), message);
        if (n > 0 && n < kLineSize) {
            SetFilePointer(file_, 0, nullptr, FILE_END);
            DWORD written = 0;
            WriteFile(file_, line, static_cast<DWORD>(n), &written, nullptr);
            if (written < static_cast<DWORD>(n)) {
                FlushFileBuffers(file_);
            }
        }
    }
    LeaveCriticalSection(&lock_);
}

DiagnosticLog* GetLog() {
    // A function-local static: its first creation is safe against two threads at once,
    // and the library's exit-time clean-up destroys it (which closes the file).
    static DiagnosticLog log;
    if (!log.IsOpen()) {
        log.Open();
    }
    return &log;
}

namespace {

int FormatLine(char (&text)[kLineSize], const char* format, va_list args) {
    return std::vsnprintf(text, kLineSize, format, args);
}
int FormatLine(wchar_t (&text)[kLineSize], const wchar_t* format, va_list args) {
    return std::vswprintf(text, kLineSize, format, args);
}

std::vector<char> Narrow(const char* text, int n) {
    return std::vector<char>(text, text + n + 1);
}
// The 8-bit text of the system's code page, in a buffer of the line's length plus one.
std::vector<char> Narrow(const wchar_t* text, int n) {
    std::vector<char> narrow(static_cast<std::size_t>(n) + 1);
    int converted = WideCharToMultiByte(CP_ACP, 0, text, n, narrow.data(), n, nullptr, nullptr);
    narrow[converted > 0 ? converted : 0] = '\0';
    return narrow;
}

// The formatted line appended when the log is open and the line fits.
template <class Char>
void LogFormatted(DiagnosticLog* log, const Char* format, va_list args) {
    if (log == nullptr || !log->IsOpen()) {
        return;
    }
    Char text[kLineSize];
    int n = FormatLine(text, format, args);
    if (n >= 0 && n < kLineSize) {
        log->AppendLine(Narrow(text, n).data());
    }
}

}  // namespace

void LogText(DiagnosticLog* log, const char* format, ...) {
    va_list args;
    va_start(args, format);
    LogFormatted(log, format, args);
    va_end(args);
}

void LogWideText(DiagnosticLog* log, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    LogFormatted(log, format, args);
    va_end(args);
}

void LogLastError(DiagnosticLog* log) {
    DWORD code = GetLastError();
    wchar_t* text = nullptr;
    DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&text),
        0, nullptr);
    if (length == 0 || text == nullptr) {
        LogText(log, "GetLastError returned : %d (no further information)", static_cast<int>(code));
        return;
    }
    for (wchar_t* p = text; *p; ++p) {
        if (*p == L'\n' || *p == L'\r') {
            *p = L' ';
        }
    }
    LogWideText(log, L"GetLastError returned : 0x%08x: %ls)", code, text);
    LocalFree(text);
}

}  // namespace veloranth::today
