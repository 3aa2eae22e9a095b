// Opening documents in their default handler.
#pragma once

#include <string>

namespace veloranth::platform {

// Opens a page (by its full path) or a web address with its default handler, the shell's
// "open". False when nothing could open it. It waits for the handler's first answer, so
// it belongs on a worker thread. The native build prints the path on standard output.
bool OpenDocument(const std::u16string& pathOrAddress);

// Whether a file of that full path can be created on this platform (length limits).
bool PathFits(const std::u16string& path);

}  // namespace veloranth::platform
