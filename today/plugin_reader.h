// The plug-in's ReadConfig: data.cfg from the library's own folder into the wide
// AppConfig, with message boxes instead of a console and a result code that decides
// whether the library loads.
#pragma once

#include <windows.h>

#include <string>

#include "config/model.h"
#include "config/read_notice.h"
#include "config/town_allocator.h"

namespace veloranth::today {

// Town records from the process heap, released there at unload.
TownAllocator& ProcessHeapAllocator();

// Reads `folder`'s data.cfg (the folder ends with its backslash).
ReadResult ReadPluginConfig(const std::u16string& folder, WideAppConfig& cfg);

// The same with the folder of `module`.
ReadResult ReadConfig(HMODULE module, WideAppConfig& cfg);

}  // namespace veloranth::today
