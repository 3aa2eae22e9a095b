// Files by UTF-16 path, and the replacement of one file by another, for every build.
#pragma once

#include <cstdio>
#include <string>

namespace veloranth::platform {

// fopen with a UTF-16 path. Use binary modes: every build writes the same bytes.
std::FILE* OpenFile(const std::u16string& path, const char* mode);

// Replaces `target` with `source` in one step (the old target stays whole if this fails).
bool MoveFileOver(const std::u16string& source, const std::u16string& target);

bool RemoveFile(const std::u16string& path);

}  // namespace veloranth::platform
