// Where veloranth-cli finds data.cfg and the files shipped with it: the user's copy under
// the XDG configuration folder, the one beside the program, the installed one.
#pragma once

#include <string>

#include "base/text_sink.h"
#include "config/read_notice.h"
#include "reports/main_state.h"

namespace veloranth::cli {

// The user's copy: $XDG_CONFIG_HOME/veloranth/data.cfg when that variable holds an
// absolute path, else ~/.config/veloranth/data.cfg; empty when neither can be told.
std::string UserConfigPath();

// A shipped file (data.cfg, style.css): the one beside the program, else the installed
// one in ../share/veloranth; empty when neither exists.
std::string ShippedFile(const std::string& name);

// data.cfg to read: `option` when given, else the user's copy, else ShippedFile. Empty
// when none exists, or with `error` set when the one chosen exists but cannot be read:
// a user's copy is never silently replaced by the shipped table.
std::string FindConfig(const std::string& option, std::string& error);

// data.cfg read into `state` as the main program reads it at its start, from `option` or the
// lookup order above (`path` tells which); its diagnostic lines go to `trail`. False with
// `error` set when no file can be used. The reader's notices also go to `notices`, if given.
bool ReadConfiguration(const std::string& option, bool verbose, MainState& state, StringSink& trail,
                       std::string& path, std::string& error, ReadReporter* notices = nullptr);

bool FileExists(const std::string& path);

// Whether the file at `path` (any kind, a link followed) exists.
bool PathExists(const std::string& path);

// Whether `path` can be read as a file; else false with "cannot use the configuration
// PATH: REASON" in `error`.
bool CheckReadable(const std::string& path, std::string& error);

}  // namespace veloranth::cli
