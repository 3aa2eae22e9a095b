#include "app/program.h"

#include "platform/module.h"

namespace veloranth::app {

Program& TheProgram() {
    static Program program;
    return program;
}

std::u16string ProgramFolder() {
    return platform::ModuleFolder(nullptr);
}

}  // namespace veloranth::app
