// Test driver helpers. Cross-process window messages that carry pointers need their data
// in the target process (VirtualAllocEx), text messages are marshalled by the system.
#include "testsupport/win/driver.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace veloranth::wintest {

std::filesystem::path BuildFolder() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

std::filesystem::path FreshFolder(const std::string& name) {
    std::filesystem::path folder = BuildFolder().parent_path() / "test-runs" / name;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::create_directories(folder);
    return folder;
}

std::filesystem::path FolderWith(const std::string& name,
                                 std::initializer_list<const char*> builtFiles) {
    std::filesystem::path folder = FreshFolder(name);
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
    std::wstring commandLine =
        L"\"" + exe.wstring() + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring folder = startFolder.empty() ? exe.parent_path().wstring() : startFolder;
    if (!CreateProcessW(exe.wstring().c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info_)) {
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

Process::Process(Process&& other) noexcept : info_(other.info_) {
    other.info_ = PROCESS_INFORMATION{};
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

HWND WaitForWindow(const wchar_t* className, const wchar_t* title, int milliseconds) {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindWindowW(className, title)) != nullptr; }, milliseconds);
    return found;
}

HWND FindOwnedWindow(HWND owner, const wchar_t* className) {
    HWND candidate = nullptr;
    while ((candidate = FindWindowExW(nullptr, candidate, className, nullptr)) != nullptr) {
        if (GetWindow(candidate, GW_OWNER) == owner) {
            return candidate;
        }
    }
    return nullptr;
}

std::wstring WindowText(HWND window) {
    wchar_t text[4096] = L"";
    SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        3000, nullptr);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return name;
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
    for (INPUT& i : inputs) {
        i.type = INPUT_KEYBOARD;
    }
    inputs[0].ki.wVk = modifier;
    inputs[1].ki.wVk = key;
    inputs[2].ki.wVk = key;
    inputs[2].ki.dwFlags = KEYEVENTF_KEYUP;
    inputs[3].ki.wVk = modifier;
    inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
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

bool SaveScreenshot(const std::filesystem::path& file) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    DWORD rowBytes = (width * 3 + 3) & ~3;
    DWORD imageBytes = rowBytes * height;
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = header.bfOffBits + imageBytes;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), imageBytes);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return static_cast<bool>(out);
}

std::string ScreenSize() {
    return std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "x" +
           std::to_string(GetSystemMetrics(SM_CYSCREEN));
}

void Screenshot(const std::string& name) {
    Sleep(400);
    std::filesystem::path dir = BuildFolder().parent_path() / "screenshots";
    std::filesystem::create_directories(dir);
    SaveScreenshot(dir / (name + ".bmp"));
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

bool ReadExportCounts(const std::filesystem::path& file, ExportCounts& counts) {
    std::string image = ReadBytes(file);
    auto u32 = [&](std::size_t at) {
        std::uint32_t v = 0;
        std::memcpy(&v, image.data() + at, sizeof v);
        return at + 4 <= image.size() ? v : 0;
    };
    auto u16 = [&](std::size_t at) { return static_cast<std::uint16_t>(u32(at) & 0xFFFF); };
    std::size_t pe = u32(0x3C), optional = pe + 24;
    if (u32(pe) != 0x00004550u || u16(optional) != 0x20B) {  // "PE\0\0", PE32+
        return false;
    }
    std::uint32_t exportRva = u32(optional + 112);
    std::size_t sections = optional + u16(pe + 20);
    for (int i = 0; i < u16(pe + 6); ++i) {
        std::size_t s = sections + i * 40;
        std::uint32_t va = u32(s + 12), size = u32(s + 8), raw = u32(s + 20);
        if (exportRva >= va && exportRva < va + size) {
            std::size_t at = exportRva - va + raw;
            counts = {u32(at + 16), u32(at + 20), u32(at + 24)};
            return true;
        }
    }
    return false;
}

}  // namespace veloranth::wintest
