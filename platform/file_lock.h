// An exclusive lock on a file that several processes open to take turns. Both programs'
// locks must see each other: the command line takes an open-file-description record lock
// (fcntl) and Wine turns the window's LockFileEx into a POSIX record lock of the same kind,
// which the kernel sets against it. The system drops it when its holder ends, even killed.
#pragma once

#include <cstdint>
#include <string>

namespace veloranth::platform {

class FileLock {
  public:
    enum class Try { kHeld, kBusy, kFailed };

    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Opens `path` for reading and writing the first time, creating it when missing (it is
    // never removed: another process may be waiting on it), and takes the lock on the whole
    // file without waiting: kBusy while another process holds it, kFailed (see
    // LastErrorText) when the file cannot be opened or locked at all. Try again after kBusy.
    Try TryAcquire(const std::u16string& path);
    bool Held() const { return held_; }

  private:
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t handle_ = kNone;  // a file descriptor, or a HANDLE
    bool held_ = false;
};

}  // namespace veloranth::platform
