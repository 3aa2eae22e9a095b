// An exclusive lock on a file that several processes open to take turns (flock on
// POSIX, LockFileEx on Windows). The system drops it when its holder ends, even killed.
#pragma once

#include <cstdint>
#include <string>

namespace veloranth::platform {

class FileLock {
  public:
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Creates `path` when missing (it is never removed: another process may be waiting
    // on it) and waits until this process holds it alone. False on failure (see
    // LastErrorText).
    bool Acquire(const std::u16string& path);
    bool Held() const { return handle_ != kNone; }

  private:
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t handle_ = kNone;  // a file descriptor, or a HANDLE
};

}  // namespace veloranth::platform
