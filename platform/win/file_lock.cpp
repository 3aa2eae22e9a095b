// LockFileEx on Windows: a lock on the whole file, released when the handle closes.
#include "platform/file_lock.h"

#include <windows.h>

#include "platform/win/wide.h"

namespace veloranth::platform {

FileLock::~FileLock() {
    if (handle_ != kNone) {
        HANDLE h = reinterpret_cast<HANDLE>(handle_);
        OVERLAPPED whole{};
        UnlockFileEx(h, 0, MAXDWORD, MAXDWORD, &whole);
        CloseHandle(h);
    }
}

bool FileLock::Acquire(const std::u16string& path) {
    HANDLE h = CreateFileW(WideChars(path), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return false;
    }
    OVERLAPPED whole{};  // offset 0, and the largest length: the whole file, present or not
    if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole)) {
        DWORD error = GetLastError();
        CloseHandle(h);
        SetLastError(error);
        return false;
    }
    handle_ = reinterpret_cast<std::intptr_t>(h);
    return true;
}

}  // namespace veloranth::platform
