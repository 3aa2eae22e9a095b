// The file operations of the writers (data.cfg, calendar pages), replaceable in tests so
// that a save can be made to fail half-way.
#pragma once

#include <cstdio>
#include <string>

namespace veloranth {

struct FileOps {
    std::FILE* (*open)(const std::u16string& path, const char* mode);
    bool (*replace)(const std::u16string& source, const std::u16string& target);
    bool (*remove)(const std::u16string& path);
};

const FileOps& PlatformFileOps();

// Writes `content` as the whole new content of `path`: true only when every byte was
// written and the file closed without error; otherwise the partial file is removed.
bool WriteWholeFile(const std::u16string& path, const std::string& content,
                    const FileOps& ops = PlatformFileOps());

}  // namespace veloranth
