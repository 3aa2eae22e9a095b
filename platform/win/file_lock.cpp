// LockFileEx on Windows: a lock on the whole file, released when the handle closes. Asked
// never to wait: under Wine a lock that the command line holds on Linux is refused at once
// even to a waiting request, so waiting is the caller's, by trying again.
#include "platform/file_lock.h"

#include <windows.h>

#include "platform/win/wide.h"

namespace veloranth::platform {

FileLock::~FileLock() {
    if (handle_ != kNone) {
        HANDLE h = reinterpret_cast<HANDLE>(handle_);
        if (held_) {
            OVERLAPPED whole{};
            UnlockFileEx(h, 0, MAXDWORD, MAXDWORD, &whole);
        }
        CloseHandle(h);
    }
}

FileLock::Try FileLock::TryAcquire(const std::u16string& path) {
    if (handle_ == kNone) {
        // Open for writing: Wine takes a read lock for a handle that cannot write.
        HANDLE h = CreateFileW(WideChars(path), GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            return Try::kFailed;
        }
        handle_ = reinterpret_cast<std::intptr_t>(h);
    }
    OVERLAPPED whole{};  // offset 0, and the largest length: the whole file, present or not
    if (LockFileEx(reinterpret_cast<HANDLE>(handle_),
                   LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD,
                   &whole)) {
        held_ = true;
        return Try::kHeld;
    }
    return GetLastError() == ERROR_LOCK_VIOLATION ? Try::kBusy : Try::kFailed;
}

}  // namespace veloranth::platform
