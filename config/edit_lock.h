// The lock that edits of data.cfg take from reading the file to replacing it, so that
// two edits at once follow each other instead of one losing the other's change.
#pragma once

#include <string>

#include "config/file_ops.h"
#include "platform/file_lock.h"

namespace veloranth {

class ConfigEditLock {
  public:
    // Waits for `path`.lock beside the final file (a symbolic link's target); once it is
    // held, no other edit is under way, and what killed saves left behind is removed.
    explicit ConfigEditLock(const std::u16string& path, const FileOps& ops = PlatformFileOps());

    bool Held() const { return lock_.Held(); }
    // When not held: the lock file and the system's reason.
    const SaveFailure& Failure() const { return failure_; }

  private:
    platform::FileLock lock_;
    SaveFailure failure_;
};

}  // namespace veloranth
