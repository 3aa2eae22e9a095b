// flock on Linux: the lock belongs to the open file, so it ends when the process does.
#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "base/codepage.h"

namespace veloranth::platform {

FileLock::~FileLock() {
    if (handle_ != kNone) {
        close(static_cast<int>(handle_));  // releases the lock
    }
}

bool FileLock::Acquire(const std::u16string& path) {
    // Read-only is enough for flock, and lets anyone who may read the lock file take turns.
    int fd = open(Utf16ToUtf8(path).c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        return false;
    }
    int result;
    do {
        result = flock(fd, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        int saved = errno;
        close(fd);
        errno = saved;
        return false;
    }
    handle_ = fd;
    return true;
}

}  // namespace veloranth::platform
