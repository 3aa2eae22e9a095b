// The commands that change data.cfg: --select-town and --add-town, on the user's copy.
#pragma once

#include <string>

#include "cli/options.h"

namespace veloranth::cli {

// Applies the edit the options ask for. Returns the text to print (UTF-8), or false with
// `error` set; nothing is written unless the whole edit succeeds.
bool EditUserCopy(const Options& options, std::string& report, std::string& error);

}  // namespace veloranth::cli
