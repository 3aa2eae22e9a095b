// Stands in for the sound player (platform/sound.h) in the test build of Veloranth.exe:
// each request becomes a line of sound-requests.txt beside the program, with the local
// time it came, so a test can tell what was asked for and when.
#include <windows.h>

#include <cstdio>
#include <string>

#include "base/codepage.h"
#include "platform/sound.h"

namespace veloranth::platform {
namespace {

void Record(const std::string& what) {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring file(path, length);
    file = file.substr(0, file.find_last_of(L'\\') + 1) + L"sound-requests.txt";
    SYSTEMTIME t;
    GetLocalTime(&t);
    if (std::FILE* f = _wfopen(file.c_str(), L"ab")) {
        std::fprintf(f, "%s at %02d:%02d:%02d.%03d\n", what.c_str(), t.wHour, t.wMinute,
                     t.wSecond, t.wMilliseconds);
        std::fclose(f);
    }
}

}  // namespace

void PlayWaveFile(const std::u16string& path) {
    Record("file " + Utf16ToUtf8(path));
}

void PlayWaveImage(const void*, std::size_t size) {
    Record("image " + std::to_string(size) + " bytes");
}

}  // namespace veloranth::platform
