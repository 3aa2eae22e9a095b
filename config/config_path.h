// Where data.cfg and read_echo.cfg are: the module's folder and the file name.
#pragma once

#include <string>
#include <string_view>

namespace veloranth {

inline constexpr char16_t kConfigFileName[] = u"data.cfg";
inline constexpr char16_t kEchoFileName[] = u"read_echo.cfg";

// `folder` ends with its separator (as the platform's ModuleFolder gives it).
inline std::u16string ConfigPath(std::u16string_view folder, std::u16string_view fileName) {
    std::u16string path(folder);
    path += fileName;
    return path;
}

}  // namespace veloranth
