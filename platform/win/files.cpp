// Files on Windows: wide paths, a new file of a unique name for each save, and MoveFileEx
// so that data.cfg is replaced in one step and flushed to storage before we report success.
#include "platform/files.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/win/wide.h"

namespace veloranth::platform {

namespace {

constexpr int kUniqueTries = 100;
const char kNameChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// Six characters that differ between processes and between calls; CREATE_NEW decides.
std::u16string UniqueSuffix() {
    static unsigned long long counter = 0;
    LARGE_INTEGER ticks;
    QueryPerformanceCounter(&ticks);
    unsigned long long x = (static_cast<unsigned long long>(GetCurrentProcessId()) << 32) ^
                           static_cast<unsigned long long>(ticks.QuadPart) ^ (++counter << 48);
    std::u16string suffix;
    for (int i = 0; i < 6; ++i) {
        x = x * 6364136223846793005ull + 1442695040888963407ull;  // a step of an LCG
        suffix += static_cast<char16_t>(kNameChars[(x >> 33) % (sizeof kNameChars - 1)]);
    }
    return suffix;
}

}  // namespace

std::FILE* OpenFile(const std::u16string& path, const char* mode) {
    std::wstring wmode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(WideChars(path), wmode.c_str());
}

bool MoveFileOver(const std::u16string& source, const std::u16string& target) {
    return MoveFileExW(WideChars(source), WideChars(target),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool RemoveFile(const std::u16string& path) {
    return DeleteFileW(WideChars(path)) != 0;
}

std::u16string FinalPath(const std::u16string& path) {
    return path;  // links need privileges on Windows; data.cfg is a plain file there
}

std::FILE* CreateUniqueFile(const std::u16string& prefix, std::u16string& created) {
    for (int i = 0; i < kUniqueTries; ++i) {
        std::u16string name = prefix + UniqueSuffix();
        HANDLE h = CreateFileW(WideChars(name), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS) {
                continue;
            }
            return nullptr;
        }
        int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
        std::FILE* f = fd < 0 ? nullptr : _fdopen(fd, "wb");
        if (f == nullptr) {
            fd < 0 ? CloseHandle(h) : _close(fd);
            DeleteFileW(WideChars(name));
            return nullptr;
        }
        created = name;
        return f;
    }
    return nullptr;
}

bool CopyPermissions(const std::u16string&, std::FILE*) {
    return true;  // a new file takes its folder's permissions, as the old one did
}

bool SyncFile(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return false;
    }
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    return h != INVALID_HANDLE_VALUE && FlushFileBuffers(h) != 0;
}

void SyncFolderOf(const std::u16string&) {}  // MoveFileOver writes through

std::vector<std::u16string> FilesStartingWith(const std::u16string& prefix) {
    std::vector<std::u16string> files;
    const std::size_t slash = prefix.find_last_of(u"\\/");
    const std::u16string folder = slash == std::u16string::npos ? u"" : prefix.substr(0, slash + 1);
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(WideChars(prefix + u"*"), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return files;
    }
    do {
        // The pattern also matches short (8.3) names: check the long one.
        std::u16string path = folder + FromWide(found.cFileName);
        bool plain = (found.dwFileAttributes &
                      (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
        if (plain && path.compare(0, prefix.size(), prefix) == 0) {
            files.push_back(path);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
}

void ResetLastError() {
    errno = 0;
    SetLastError(0);
}

std::string LastErrorText() {
    const DWORD code = GetLastError();
    if (code == 0) {
        return std::strerror(errno != 0 ? errno : EIO);  // a C library call failed
    }
    wchar_t* text = nullptr;
    DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = n > 0 ? std::wstring(text, n) : L"";
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                                message.back() == L' ' || message.back() == L'.')) {
        message.pop_back();
    }
    if (message.empty()) {
        return "error " + std::to_string(code);
    }
    return Utf16ToUtf8(FromWide(message));
}

}  // namespace veloranth::platform
