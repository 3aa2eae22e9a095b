// Where veloranth-cli finds data.cfg and the files shipped with it: the user's copy under
// the XDG configuration folder, the one beside the program, the installed one.
#pragma once

#include <string>

namespace veloranth::cli {

// The user's copy: $XDG_CONFIG_HOME/veloranth/data.cfg when that variable holds an
// absolute path, else ~/.config/veloranth/data.cfg; empty when neither can be told.
std::string UserConfigPath();

// A shipped file (data.cfg, style.css): the one beside the program, else the installed
// one in ../share/veloranth; empty when neither exists.
std::string ShippedFile(const std::string& name);

// data.cfg to read: `option` when given, else the user's copy, else ShippedFile.
// Empty when none exists.
std::string FindConfig(const std::string& option);

bool FileExists(const std::string& path);

}  // namespace veloranth::cli
