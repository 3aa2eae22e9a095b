// Starting other programs and opening documents, without waiting for them.
#pragma once

#include <string>

namespace veloranth::platform {

// The device's browser on an HTML page (Windows: "iexplore.exe" with the page's path as
// its whole command line). The native build prints the page's path on standard output.
void StartBrowser(const std::u16string& page);

// The default handler of a file or web address (the shell's "open"); never blocks.
void OpenDocument(const std::u16string& pathOrAddress);

// Whether a file of that full path can be created on this platform (length limits).
bool PathFits(const std::u16string& path);

}  // namespace veloranth::platform
