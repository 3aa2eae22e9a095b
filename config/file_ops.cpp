#include "config/file_ops.h"

#include "platform/files.h"

namespace veloranth {

std::FILE* FileOps::Open(const std::u16string& path, const char* mode) const {
    return platform::OpenFile(path, mode);
}

bool FileOps::Replace(const std::u16string& source, const std::u16string& target) const {
    return platform::MoveFileOver(source, target);
}

bool FileOps::Remove(const std::u16string& path) const {
    return platform::RemoveFile(path);
}

const FileOps& PlatformFileOps() {
    static const FileOps ops;
    return ops;
}

bool WriteWholeFile(const std::u16string& path, const std::string& content, const FileOps& ops) {
    std::FILE* f = ops.Open(path, "wb");
    if (f == nullptr) {
        return false;
    }
    bool ok = std::fwrite(content.data(), 1, content.size(), f) == content.size();
    ok = std::fflush(f) == 0 && ok;
    ok = !std::ferror(f) && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok) {
        ops.Remove(path);
    }
    return ok;
}

}  // namespace veloranth
