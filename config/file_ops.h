// The file operations of the writers (data.cfg, calendar pages): the platform's, or in
// tests a subclass that makes a save fail half-way; and the safe replacement of a file.
#pragma once

#include <cstdio>
#include <string>

namespace veloranth {

class FileOps {
  public:
    virtual ~FileOps() = default;
    virtual std::FILE* Open(const std::u16string& path, const char* mode) const;
    // A new file named `prefix` and six letters or digits, open for writing.
    virtual std::FILE* CreateUnique(const std::u16string& prefix, std::u16string& created) const;
    // Replaces `target` with `source` in one step.
    virtual bool Replace(const std::u16string& source, const std::u16string& target) const;
    virtual bool Remove(const std::u16string& path) const;
};

const FileOps& PlatformFileOps();

// What kept a save from happening.
enum class SaveProblem {
    kSystem,      // the system refused (the reason says why)
    kBusy,        // another program held data.cfg's lock for longer than the wait
    kUnreadable,  // data.cfg, read again before the save, cannot be read whole
    kTownGone,    // the town chosen is not in data.cfg any more
};

// Why a save failed: the file concerned and the system's reason, in UTF-8.
struct SaveFailure {
    std::u16string path;
    std::string reason;
    SaveProblem problem = SaveProblem::kSystem;
};

// Writes `content` as the whole new content of `path`: true only when every byte was
// written and the file closed without error; otherwise the partial file is removed.
bool WriteWholeFile(const std::u16string& path, const std::string& content,
                    const FileOps& ops = PlatformFileOps());

// Replaces the file at `path` (a final path: no link is followed) with `content` so that, whenever
// the process or the machine stops, it holds either its old bytes or all the new ones: a
// temporary file of a unique name beside it is written, synced and renamed over it, then
// the folder is synced. The file keeps its permissions. On failure the old file is as it
// was, the temporary file is removed and `failure` says why.
bool ReplaceWholeFile(const std::u16string& path, const std::string& content, SaveFailure& failure,
                      const FileOps& ops = PlatformFileOps());

// Whether `candidate` is a temporary file of ReplaceWholeFile for `path` (the final path).
bool IsTemporaryOf(const std::u16string& candidate, const std::u16string& path);

// Removes the temporary files that replacements killed before their rename left beside
// `path` (a final path). Only while holding the edit lock: then no replacement of `path` is
// under way.
void RemoveLeftoverTemporaries(const std::u16string& path, const FileOps& ops = PlatformFileOps());

}  // namespace veloranth
