// The writers' file operations: whole files written or nothing, and replacements that a
// crash cannot tear.
#include "config/file_ops.h"

#include "platform/files.h"

namespace veloranth {

namespace {

// data.cfg.tmp-Ab12Cd: the name says what it is, and the six characters make it unique.
constexpr char16_t kTemporaryMark[] = u".tmp-";
constexpr std::size_t kUniqueLength = 6;
// The fixed name earlier versions wrote through; a kill could leave one behind.
constexpr char16_t kOldTemporary[] = u".new";

bool IsNameCharacter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
}

SaveFailure Failed(const std::u16string& path) {
    return {path, platform::LastErrorText()};
}

}  // namespace

std::FILE* FileOps::Open(const std::u16string& path, const char* mode) const {
    return platform::OpenFile(path, mode);
}

std::FILE* FileOps::CreateUnique(const std::u16string& prefix, std::u16string& created) const {
    return platform::CreateUniqueFile(prefix, created);
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

bool ReplaceWholeFile(const std::u16string& path, const std::string& content, SaveFailure& failure,
                      const FileOps& ops) {
    const std::u16string& target = path;
    std::u16string temporary;
    platform::ResetLastError();
    std::FILE* f = ops.CreateUnique(target + kTemporaryMark, temporary);
    if (f == nullptr) {
        failure = Failed(target);
        return false;
    }
    bool ok = platform::CopyPermissions(target, f) &&
              std::fwrite(content.data(), 1, content.size(), f) == content.size() &&
              platform::SyncFile(f);
    if (!ok) {
        failure = Failed(target);
    }
    if (std::fclose(f) != 0 && ok) {
        ok = false, failure = Failed(target);
    }
    if (ok && !ops.Replace(temporary, target)) {
        ok = false, failure = Failed(target);
    }
    if (!ok) {
        ops.Remove(temporary);
        return false;
    }
    // The rename has happened and every reader sees the new file: a folder that cannot
    // be synced (some file systems refuse) is no reason to report a failure.
    platform::SyncFolderOf(target);
    return true;
}

bool IsTemporaryOf(const std::u16string& candidate, const std::u16string& path) {
    const std::u16string prefix = path + kTemporaryMark;
    if (candidate == path + kOldTemporary) {
        return true;
    }
    if (candidate.size() != prefix.size() + kUniqueLength ||
        candidate.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    for (std::size_t i = prefix.size(); i < candidate.size(); ++i) {
        if (!IsNameCharacter(candidate[i])) {
            return false;
        }
    }
    return true;
}

void RemoveLeftoverTemporaries(const std::u16string& target, const FileOps& ops) {
    for (const std::u16string& file : platform::FilesStartingWith(target + u".")) {
        if (IsTemporaryOf(file, target)) {
            ops.Remove(file);
        }
    }
}

}  // namespace veloranth
