// On Linux the module folder is the executable's (the native build has no libraries
// of its own that would look for data.cfg).
#include "platform/module.h"

#include <unistd.h>

#include <string>

#include "base/codepage.h"

namespace veloranth::platform {

std::u16string ModuleFileName(void*) {
    std::string buffer(4096, '\0');
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) {
        return {};
    }
    buffer.resize(static_cast<std::size_t>(n));
    std::u16string path;
    // A folder whose name is not UTF-8 is as good as none: no file beside it can be named.
    return Utf8PathToUtf16(buffer, path) ? path : std::u16string();
}

std::u16string ModuleFolder(void* module) {
    std::u16string path = ModuleFileName(module);
    std::size_t slash = path.rfind(u'/');
    return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash + 1);
}

}  // namespace veloranth::platform
