// Files on Windows: wide paths, and MoveFileEx so that data.cfg is replaced in one step
// and flushed to storage before we report success.
#include "platform/files.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/win/wide.h"

namespace veloranth::platform {

std::FILE* OpenFile(const std::u16string& path, const char* mode) {
    std::wstring wmode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(WideChars(path), wmode.c_str());
}

bool MoveFileOver(const std::u16string& source, const std::u16string& target) {
    return MoveFileExW(WideChars(source), WideChars(target),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool RemoveFile(const std::u16string& path) {
    return DeleteFileW(WideChars(path)) != 0;
}

}  // namespace veloranth::platform
