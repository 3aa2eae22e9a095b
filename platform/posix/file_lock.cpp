// An open-file-description lock (F_OFD_SETLK): it belongs to the open file, so it ends when
// the process does, and it conflicts with the POSIX record locks Wine takes for LockFileEx
// (flock would not: it is another family).
#include "platform/file_lock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "base/codepage.h"

namespace veloranth::platform {

FileLock::~FileLock() {
    if (handle_ != kNone) {
        close(static_cast<int>(handle_));  // releases the lock
    }
}

FileLock::Try FileLock::TryAcquire(const std::u16string& path) {
    if (handle_ == kNone) {
        // Read and write: a record write lock needs a file open for writing.
        int fd = open(Utf16ToUtf8(path).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0) {
            return Try::kFailed;
        }
        handle_ = fd;
    }
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;  // from 0, length 0: the whole file, however long it grows
    if (fcntl(static_cast<int>(handle_), F_OFD_SETLK, &whole) == 0) {
        held_ = true;
        return Try::kHeld;
    }
    return errno == EAGAIN || errno == EACCES || errno == EINTR ? Try::kBusy : Try::kFailed;
}

}  // namespace veloranth::platform
