// Files by UTF-16 path: opening, the pieces of a safe replacement (a new file of a unique
// name, syncing, renaming over the old one) and the system's reason when one fails.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace veloranth::platform {

// fopen with a UTF-16 path. Use binary modes: every build writes the same bytes.
std::FILE* OpenFile(const std::u16string& path, const char* mode);

// Replaces `target` with `source` in one step (the old target stays whole if this fails).
bool MoveFileOver(const std::u16string& source, const std::u16string& target);

bool RemoveFile(const std::u16string& path);

// The file `path` finally names: the end of a chain of symbolic links (a relative link
// read from the link's folder), which need not exist yet; otherwise `path` itself.
std::u16string FinalPath(const std::u16string& path);

// Creates a file that did not exist, named `prefix` and six letters or digits, open for
// writing in binary; null on failure. `created` receives its path.
std::FILE* CreateUniqueFile(const std::u16string& prefix, std::u16string& created);

// Gives `file` the permissions of the file at `model` (on POSIX its mode, and its owner
// when the system allows), or those of a new file when there is none.
bool CopyPermissions(const std::u16string& model, std::FILE* file);

// Writes what the system holds of `file` through to the storage device.
bool SyncFile(std::FILE* file);

// Makes the latest rename into the folder of `path` durable (POSIX; Windows renames
// write through).
void SyncFolderOf(const std::u16string& path);

// The paths of the regular files whose path begins with `prefix` (a folder and the start
// of a name), in the form `prefix` has.
std::vector<std::u16string> FilesStartingWith(const std::u16string& prefix);

// Clears the system's last error, so that LastErrorText speaks of what follows.
void ResetLastError();
// The system's text for the last failure (strerror, FormatMessage), in UTF-8.
std::string LastErrorText();

}  // namespace veloranth::platform
