// The edit lock of data.cfg: a lock file that stays beside it (removing it could let two
// processes lock two different files of the same name).
#include "config/edit_lock.h"

#include <chrono>
#include <thread>

#include "platform/files.h"

namespace veloranth {

LockWait SleepingWait(int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    return [end] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return std::chrono::steady_clock::now() < end;
    };
}

ConfigEditLock::ConfigEditLock(const std::u16string& file, const LockWait& wait,
                               const FileOps& ops)
    : file_(file) {
    const std::u16string lockPath = file + u".lock";
    platform::ResetLastError();
    for (;;) {
        const platform::FileLock::Try t = lock_.TryAcquire(lockPath);
        if (t == platform::FileLock::Try::kHeld) {
            break;
        }
        if (t == platform::FileLock::Try::kFailed || !wait()) {
            const bool busy = t == platform::FileLock::Try::kBusy;
            failure_ = {lockPath, busy ? "held by another program" : platform::LastErrorText(),
                        busy ? SaveProblem::kBusy : SaveProblem::kSystem};
            return;
        }
    }
    RemoveLeftoverTemporaries(file_, ops);
}

}  // namespace veloranth
