// Files on Linux: paths are UTF-8 on disk.
#include "platform/files.h"

#include <cstdio>

#include "base/codepage.h"

namespace veloranth::platform {

std::FILE* OpenFile(const std::u16string& path, const char* mode) {
    return std::fopen(Utf16ToUtf8(path).c_str(), mode);
}

bool MoveFileOver(const std::u16string& source, const std::u16string& target) {
    return std::rename(Utf16ToUtf8(source).c_str(), Utf16ToUtf8(target).c_str()) == 0;
}

bool RemoveFile(const std::u16string& path) {
    return std::remove(Utf16ToUtf8(path).c_str()) == 0;
}

}  // namespace veloranth::platform
