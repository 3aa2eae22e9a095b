// The folder of a running module (program or library), where data.cfg, read_echo.cfg,
// help.html and the calendars live.
#pragma once

#include <string>

namespace veloranth::platform {

// The module's folder with its trailing separator; `module` null means the program
// itself. Empty when the platform cannot tell.
std::u16string ModuleFolder(void* module = nullptr);

// The module's full file name; empty when the platform cannot tell.
std::u16string ModuleFileName(void* module = nullptr);

}  // namespace veloranth::platform
