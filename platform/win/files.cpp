// Files on Windows: wide paths, and MoveFileEx so that data.cfg is replaced in one step
// and flushed to storage before we report success.
#include "platform/files.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace veloranth::platform {

namespace {

const wchar_t* Wide(const std::u16string& s) {
    return reinterpret_cast<const wchar_t*>(s.c_str());
}

}  // namespace

std::FILE* OpenFile(const std::u16string& path, const char* mode) {
    std::wstring wmode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(Wide(path), wmode.c_str());
}

bool MoveFileOver(const std::u16string& source, const std::u16string& target) {
    return MoveFileExW(Wide(source), Wide(target),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool RemoveFile(const std::u16string& path) {
    return DeleteFileW(Wide(path)) != 0;
}

}  // namespace veloranth::platform
