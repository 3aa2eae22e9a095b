// Test driver helpers. Cross-process window messages that carry pointers need their data
// in the target process (VirtualAllocEx), text messages are marshalled by the system.
#include "testsupport/win/driver.h"

#include <commctrl.h>

#include <cstdio>

#include <fstream>
#include <sstream>
#include <vector>

namespace veloranth::wintest {

std::filesystem::path BuildFolder() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

std::filesystem::path FolderWith(const std::string& name,
                                 std::initializer_list<const char*> builtFiles) {
    std::filesystem::path folder = BuildFolder().parent_path() / "test-runs" / name;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::create_directories(folder);
    for (const char* file : builtFiles) {
        std::filesystem::copy_file(BuildFolder() / file, folder / file);
    }
    return folder;
}

bool WaitFor(const std::function<bool()>& condition, int milliseconds) {
    for (int waited = 0; waited <= milliseconds; waited += 50) {
        if (condition()) {
            return true;
        }
        Sleep(50);
    }
    return false;
}

Process::Process(const std::filesystem::path& exe, const std::wstring& arguments,
                 const std::wstring& startFolder) {
    std::wstring commandLine =  // writable, as CreateProcessW wants it
        L"\"" + exe.wstring() + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring folder = startFolder.empty() ? exe.parent_path().wstring() : startFolder;
    if (!CreateProcessW(exe.wstring().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, folder.c_str(), &startup, &info_)) {
        info_ = PROCESS_INFORMATION{};
    }
}

Process::~Process() {
    if (info_.hProcess != nullptr) {
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(info_.hProcess, 99);
            WaitForSingleObject(info_.hProcess, 5000);
        }
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
}

Process& Process::operator=(Process&& other) noexcept {
    std::swap(info_, other.info_);
    return *this;
}

long Process::Wait(int milliseconds) {
    if (info_.hProcess == nullptr ||
        WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0) {
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<long>(code);
}

std::string LinuxPath(const std::filesystem::path& file) {
    std::string path = file.generic_string();
    return path.size() > 2 && path[1] == ':' ? path.substr(2) : path;
}

bool StartOnLinux(const std::string& shellCommand) {
    std::string quoted;
    for (char c : shellCommand) {
        quoted += c == '"' ? "\\\"" : std::string(1, c);
    }
    std::wstring commandLine = L"/bin/sh -c \"" + std::wstring(quoted.begin(), quoted.end()) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return false;
    }
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return true;
}

std::string NativeCli() {
    const std::filesystem::path cli =
        BuildFolder().parent_path().parent_path() / "native/bin/veloranth-cli";
    if (!std::filesystem::exists(cli)) {
        std::fprintf(stderr, "%s is missing: build the native preset first\n", cli.string().c_str());
    }
    return "'" + LinuxPath(cli) + "'";
}

long long Seconds(SYSTEMTIME t) {
    ULARGE_INTEGER u{};
    SystemTimeToFileTime(&t, reinterpret_cast<FILETIME*>(&u));
    return static_cast<long long>(u.QuadPart / 10000000);
}

bool HoldOnLinux(const std::filesystem::path& file, int seconds) {
    const std::filesystem::path held = file.wstring() + L".held";
    return StartOnLinux(
               "/usr/bin/python3 -c 'import fcntl, sys, time\nf = open(sys.argv[1], \"a\")\n"
               "fcntl.lockf(f, fcntl.LOCK_EX)\nopen(sys.argv[1] + \".held\", \"w\").close()\n"
               "time.sleep(" + std::to_string(seconds) + ")\nf.close()\n"
               "open(sys.argv[1] + \".released\", \"w\").close()' '" + LinuxPath(file) + "'") &&
           WaitFor([&] { return std::filesystem::exists(held); });
}

HWND WaitForWindow(const wchar_t* className, const wchar_t* title, int milliseconds, HWND owner) {
    HWND found = nullptr;
    auto find = [&] {  // the first match whose owner is `owner`, when one is given
        do {
            found = FindWindowExW(nullptr, found, className, title);
        } while (found != nullptr && owner != nullptr && GetWindow(found, GW_OWNER) != owner);
        return found != nullptr;
    };
    WaitFor(find, milliseconds);
    return found;
}

std::wstring WindowText(HWND window) {
    wchar_t text[4096] = L"";
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        3000, nullptr);
    return text;
}

std::wstring MessageBoxText(HWND box) {
    return WindowText(GetDlgItem(box, 0xFFFF));
}

bool Responds(HWND window, int milliseconds) {
    DWORD_PTR result;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, milliseconds, &result) != 0;
}

namespace {

// Sends a picker message whose SYSTEMTIME lives in the picker's own process.
bool PickerMessage(HWND picker, UINT message, WPARAM wParam, SYSTEMTIME& time, bool readBack) {
    DWORD pid = 0;
    GetWindowThreadProcessId(picker, &pid);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process == nullptr) {
        return false;
    }
    void* remote = VirtualAllocEx(process, nullptr, sizeof time, MEM_COMMIT, PAGE_READWRITE);
    bool ok = remote != nullptr && WriteProcessMemory(process, remote, &time, sizeof time, nullptr);
    if (ok) {
        DWORD_PTR result = 0;
        ok = SendMessageTimeoutW(picker, message, wParam, reinterpret_cast<LPARAM>(remote),
                                 SMTO_ABORTIFHUNG, 5000, &result) != 0;
        if (ok && readBack) {
            ok = ReadProcessMemory(process, remote, &time, sizeof time, nullptr) &&
                 result == GDT_VALID;
        }
    }
    if (remote != nullptr) {
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return ok;
}

}  // namespace

bool SetPickerTime(HWND picker, const SYSTEMTIME& time) {
    SYSTEMTIME copy = time;
    return PickerMessage(picker, DTM_SETSYSTEMTIME, GDT_VALID, copy, false);
}

bool GetPickerTime(HWND picker, SYSTEMTIME& time) {
    return PickerMessage(picker, DTM_GETSYSTEMTIME, 0, time, true);
}

void PressChord(WORD modifier, WORD key) {
    INPUT inputs[4] = {};
    const WORD keys[4] = {modifier, key, key, modifier};  // down, down, up, up
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = keys[i];
        inputs[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    SendInput(4, inputs, sizeof(INPUT));
}

RECT RectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT ProgramScreen(HWND mainWindow) {
    RECT w = RectOf(mainWindow);
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    return cx > 800 || cy > 800 ? RECT{w.left, w.top, w.left + 240, w.top + 320}
                                : RECT{0, 0, cx, cy};
}

std::vector<int> OutsideOf(HWND window, RECT area) {
    std::vector<int> outside;
    for (HWND w = window; w; w = w == window ? GetWindow(w, GW_CHILD) : GetWindow(w, GW_HWNDNEXT)) {
        RECT r = RectOf(w), within;
        IntersectRect(&within, &r, &area);
        if (IsWindowVisible(w) && !EqualRect(&within, &r)) {
            outside.push_back(GetDlgCtrlID(w));
        }
    }
    return outside;
}

std::vector<std::pair<int, int>> TextRunsIn(RECT area, int gap) {
    HDC screen = GetDC(nullptr);
    std::vector<std::pair<int, int>> runs;
    int light = gap;
    for (int x = area.left; x < area.right; ++x, ++light) {
        for (int y = area.top; y < area.bottom && light >= 0; ++y) {
            COLORREF c = GetPixel(screen, x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 400) {  // text, not background
                if (light >= gap) {
                    runs.push_back({x - area.left, x - area.left});
                }
                runs.back().second = x - area.left;
                light = -1;
            }
        }
    }
    ReleaseDC(nullptr, screen);
    return runs;
}

int TextWidthIn(const std::wstring& text, const wchar_t* face, bool bold, int height) {
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontW(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, 0, 0, 0, 0, face);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return size.cx;
}

std::string ScreenSize() {
    return std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "x" +
           std::to_string(GetSystemMetrics(SM_CYSCREEN));
}

void Screenshot(const std::string& name) {
    Sleep(400);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD imageBytes = ((width * 3 + 3) & ~3) * height;
    const DWORD offBits = sizeof(BITMAPFILEHEADER) + sizeof info.bmiHeader;
    const BITMAPFILEHEADER header{0x4D42, offBits + imageBytes, 0, 0, offBits};  // "BM"
    std::filesystem::path dir = BuildFolder().parent_path() / "screenshots";
    std::filesystem::create_directories(dir);
    std::ofstream out(dir / (name + ".bmp"), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), imageBytes);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

BoxCloser::BoxCloser(std::vector<std::wstring> captions) : captions_(std::move(captions)) {
    thread_ = std::thread([this] { Watch(); });
    while (!running_) {
        Sleep(1);
    }
}

BoxCloser::~BoxCloser() {
    Stop();
}

void BoxCloser::Stop() {
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
}

void BoxCloser::Watch() {
    running_ = true;
    while (!stop_) {
        for (const std::wstring& caption : captions_) {
            // FindWindowW, not EnumWindows: the latter stalls while a library loads.
            HWND box = FindWindowW(L"#32770", caption.c_str());
            if (box != nullptr) {
                seen.emplace_back(caption, MessageBoxText(box));
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                WaitFor([&] { return !IsWindow(box); }, 3000);
            }
        }
        Sleep(20);
    }
}

bool ReadExportCounts(const std::filesystem::path& image, ExportCounts& counts) {
    HMODULE module = LoadLibraryExW(image.wstring().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    if (module == nullptr) {
        return false;
    }
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const DWORD at = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT].VirtualAddress;
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + at);
    if (at != 0) {
        counts = {exports->Base, exports->NumberOfFunctions, exports->NumberOfNames};
    }
    FreeLibrary(module);
    return at != 0;
}

}  // namespace veloranth::wintest
