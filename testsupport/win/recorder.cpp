// Stands in for a program another program starts (Veloranth.exe for the plug-in): it
// appends its command line to "<its name>.called.txt"
// beside itself, one line per start, and ends at once.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring log = std::wstring(self) + L".called.txt";
    FILE* f = _wfopen(log.c_str(), L"ab");
    if (f != nullptr) {
        std::wstring line = std::wstring(GetCommandLineW()) + L"\n";
        std::string utf8(
            WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr), '\0');
        WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, utf8.data(),
                            static_cast<int>(utf8.size()), nullptr, nullptr);
        std::fwrite(utf8.data(), 1, utf8.size() - 1, f);
        std::fclose(f);
    }
    return 0;
}
