// The file operations of the writers (data.cfg, calendar pages): the platform's, or in
// tests a subclass that makes a save fail half-way.
#pragma once

#include <cstdio>
#include <string>

namespace veloranth {

class FileOps {
  public:
    virtual ~FileOps() = default;
    virtual std::FILE* Open(const std::u16string& path, const char* mode) const;
    // Replaces `target` with `source` in one step.
    virtual bool Replace(const std::u16string& source, const std::u16string& target) const;
    virtual bool Remove(const std::u16string& path) const;
};

const FileOps& PlatformFileOps();

// Writes `content` as the whole new content of `path`: true only when every byte was
// written and the file closed without error; otherwise the partial file is removed.
bool WriteWholeFile(const std::u16string& path, const std::string& content,
                    const FileOps& ops = PlatformFileOps());

}  // namespace veloranth
