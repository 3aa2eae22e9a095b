// Standard output (8-bit diagnostic text) and the debugger's output.
#pragma once

#include <string>

#include "base/text_sink.h"

namespace veloranth::platform {

// The process's standard output, written byte for byte.
TextSink& StandardOutput();

// Text for a debugger watching the program (nowhere when none is).
void DebugOutput(const std::u16string& text);

}  // namespace veloranth::platform
