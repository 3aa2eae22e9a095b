#include "app/program.h"

#include "config/codepage.h"
#include "platform/module.h"

namespace veloranth::app {

Program& TheProgram() {
    static Program program;
    return program;
}

std::u16string ProgramFolder() {
    return platform::ModuleFolder(nullptr);
}

std::wstring ToWide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

std::wstring ToWide(const std::string& text) {
    return ToWide(Cp1252ToUtf16(text));
}

}  // namespace veloranth::app
