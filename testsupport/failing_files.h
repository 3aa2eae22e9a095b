// File operations that fail half-way, for the writers' tests: every byte written to a
// stream fails, or the final replacement is refused.
#pragma once

#include "config/file_ops.h"

namespace veloranth::testsupport {

class UnwritableFiles : public FileOps {
  public:
    // The file is created, but the stream is opened for reading: every write fails.
    std::FILE* Open(const std::u16string& path, const char*) const override {
        if (std::FILE* f = FileOps::Open(path, "wb")) {
            std::fclose(f);
        }
        return FileOps::Open(path, "rb");
    }
    std::FILE* CreateUnique(const std::u16string& prefix, std::u16string& created) const override {
        if (std::FILE* f = FileOps::CreateUnique(prefix, created)) {
            std::fclose(f);
            return FileOps::Open(created, "rb");
        }
        return nullptr;
    }
};

class UnreplaceableFiles : public FileOps {
  public:
    bool Replace(const std::u16string&, const std::u16string&) const override { return false; }
};

}  // namespace veloranth::testsupport
