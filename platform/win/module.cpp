// The module's own path from GetModuleFileNameW, with a buffer that grows instead of
// silently cutting a long folder name.
#include "platform/module.h"

#include <windows.h>

#include <string>

#include "platform/win/wide.h"

namespace veloranth::platform {

std::u16string ModuleFileName(void* module) {
    std::wstring buffer(260, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(static_cast<HMODULE>(module), buffer.data(),
                                     static_cast<DWORD>(buffer.size()));
        if (n == 0) {
            return {};
        }
        if (n < buffer.size()) {
            buffer.resize(n);
            return FromWide(buffer);
        }
        if (buffer.size() >= 32768) {
            return {};
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::u16string ModuleFolder(void* module) {
    return FromWide(FolderOf(ToWide(ModuleFileName(module))));
}

}  // namespace veloranth::platform
