// Files on Linux: paths are UTF-8 on disk.
#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/codepage.h"

namespace veloranth::platform {

namespace {

constexpr int kMaxLinks = 40;  // as the kernel's own limit on a path's links

// The folder part of a path with its slash, empty for a bare name.
std::string FolderPart(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

std::FILE* OpenFile(const std::u16string& path, const char* mode) {
    return std::fopen(Utf16ToUtf8(path).c_str(), mode);
}

bool MoveFileOver(const std::u16string& source, const std::u16string& target) {
    return std::rename(Utf16ToUtf8(source).c_str(), Utf16ToUtf8(target).c_str()) == 0;
}

bool RemoveFile(const std::u16string& path) {
    return std::remove(Utf16ToUtf8(path).c_str()) == 0;
}

std::u16string FinalPath(const std::u16string& path) {
    std::string current = Utf16ToUtf8(path);
    for (int i = 0; i < kMaxLinks; ++i) {
        struct stat st;
        if (lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            break;
        }
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4095) + 1, '\0');
        ssize_t n = readlink(current.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) {
            break;  // changed under us: the rename will say what is wrong
        }
        target.resize(static_cast<std::size_t>(n));
        current = target[0] == '/' ? target : FolderPart(current) + target;
    }
    return Utf8ToUtf16(current);
}

std::FILE* CreateUniqueFile(const std::u16string& prefix, std::u16string& created) {
    std::string name = Utf16ToUtf8(prefix) + "XXXXXX";
    int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    std::FILE* f = fdopen(fd, "wb");
    if (f == nullptr) {
        int saved = errno;
        close(fd);
        unlink(name.c_str());
        errno = saved;
        return nullptr;
    }
    created = Utf8ToUtf16(name);
    return f;
}

bool CopyPermissions(const std::u16string& model, std::FILE* file) {
    const int fd = fileno(file);
    struct stat st;
    if (stat(Utf16ToUtf8(model).c_str(), &st) != 0) {
        // No file yet: the mode fopen would have given it (mkstemp makes 0600).
        mode_t mask = umask(0);
        umask(mask);
        return fchmod(fd, 0666 & ~mask) == 0;
    }
    // The owner first: changing it may clear the set-id bits that fchmod then restores.
    // Only root may give a file away; anyone else keeps the file as theirs, as any editor.
    if (fchown(fd, st.st_uid, st.st_gid) != 0) {
        errno = 0;
    }
    return fchmod(fd, st.st_mode & 07777) == 0;
}

bool SyncFile(std::FILE* file) {
    return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}

void SyncFolderOf(const std::u16string& path) {
    std::string folder = FolderPart(Utf16ToUtf8(path));
    int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

std::vector<std::u16string> FilesStartingWith(const std::u16string& prefix) {
    std::string text = Utf16ToUtf8(prefix);
    std::string folder = FolderPart(text);
    std::string start = text.substr(folder.size());
    std::vector<std::u16string> files;
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        return files;
    }
    while (const dirent* entry = readdir(dir)) {
        std::string path = folder + entry->d_name;
        struct stat st;
        if (std::strncmp(entry->d_name, start.c_str(), start.size()) == 0 &&
            lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
            files.push_back(Utf8ToUtf16(path));
        }
    }
    closedir(dir);
    return files;
}

void ResetLastError() {
    errno = 0;
}

std::string LastErrorText() {
    return std::strerror(errno != 0 ? errno : EIO);
}

}  // namespace veloranth::platform
