#include "config/file_ops.h"

#include "platform/files.h"

namespace veloranth {

const FileOps& PlatformFileOps() {
    static const FileOps ops{platform::OpenFile, platform::MoveFileOver, platform::RemoveFile};
    return ops;
}

bool WriteWholeFile(const std::u16string& path, const std::string& content, const FileOps& ops) {
    std::FILE* f = ops.open(path, "wb");
    if (f == nullptr) {
        return false;
    }
    bool ok = std::fwrite(content.data(), 1, content.size(), f) == content.size();
    ok = std::fflush(f) == 0 && ok;
    ok = !std::ferror(f) && ok;
    ok = std::fclose(f) == 0 && ok;
    if (!ok) {
        ops.remove(path);
    }
    return ok;
}

}  // namespace veloranth
