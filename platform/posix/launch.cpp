// Linux has no device browser to open: the page's path is printed for the user.
#include "platform/launch.h"

#include <climits>
#include <cstdio>

#include "base/codepage.h"

namespace veloranth::platform {

bool OpenDocument(const std::u16string& pathOrAddress) {
    std::printf("%s\n", Utf16ToUtf8(pathOrAddress).c_str());
    std::fflush(stdout);
    return true;
}

bool PathFits(const std::u16string& path) {
    std::string utf8 = Utf16ToUtf8(path);
    std::size_t slash = utf8.rfind('/');
    std::size_t nameLength = slash == std::string::npos ? utf8.size() : utf8.size() - slash - 1;
    return utf8.size() < PATH_MAX && nameLength <= NAME_MAX;
}

}  // namespace veloranth::platform
