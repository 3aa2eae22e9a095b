// The edit lock of data.cfg: a lock file that stays beside it (removing it could let two
// processes lock two different files of the same name).
#include "config/edit_lock.h"

#include "platform/files.h"

namespace veloranth {

ConfigEditLock::ConfigEditLock(const std::u16string& path, const FileOps& ops) {
    const std::u16string lockPath = platform::FinalPath(path) + u".lock";
    platform::ResetLastError();
    if (!lock_.Acquire(lockPath)) {
        failure_ = {lockPath, platform::LastErrorText()};
        return;
    }
    RemoveLeftoverTemporaries(path, ops);
}

}  // namespace veloranth
