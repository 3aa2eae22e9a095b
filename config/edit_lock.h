// The lock that edits of data.cfg take from reading the file to replacing it, so that
// two edits at once follow each other instead of one losing the other's change. An edit
// resolves the file's final path once (platform::FinalPath) and locks, reads and replaces
// that one file, even if a symbolic link changes meanwhile.
#pragma once

#include <functional>
#include <string>

#include "config/file_ops.h"
#include "platform/file_lock.h"

namespace veloranth {

// Called between tries while another program holds the lock: waits a moment (a window
// answers its messages meanwhile) and says whether to try again.
using LockWait = std::function<bool()>;

// A wait that sleeps between tries and gives up after `milliseconds`.
LockWait SleepingWait(int milliseconds);

class ConfigEditLock {
  public:
    // Takes `file`.lock beside `file` (a final path), trying again while `wait` allows;
    // once held, no other edit is under way, and what killed saves left behind is removed.
    ConfigEditLock(const std::u16string& file, const LockWait& wait,
                   const FileOps& ops = PlatformFileOps());

    bool Held() const { return lock_.Held(); }
    // The file the edit reads and replaces.
    const std::u16string& File() const { return file_; }
    // When not held: the lock file, and the system's reason or kBusy.
    const SaveFailure& Failure() const { return failure_; }

  private:
    std::u16string file_;
    platform::FileLock lock_;
    SaveFailure failure_;
};

}  // namespace veloranth
