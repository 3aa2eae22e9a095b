// WriteConfig: AppConfig back into data.cfg, in the one layout people also edit by hand.
#pragma once

#include <string>

#include "config/file_ops.h"
#include "config/model.h"
#include "base/text_sink.h"

namespace veloranth {

// The bytes of data.cfg for `cfg`, with `townSelected` as the header's TownSelected.
// Prints "Write config file Error : Invalid number of towns." when there is no town.
std::string ComposeConfigFile(const AppConfig& cfg, int townSelected, TextSink& out);

// Writes data.cfg into `folder` through a temporary file that replaces it only once
// complete, so a failed save leaves the old file as it was. False on failure (reported).
bool WriteConfig(const std::u16string& folder, const AppConfig& cfg, int townSelected,
                 TextSink& out, const FileOps& ops = PlatformFileOps());
// The same into a file of any name (the command line's --config).
bool WriteConfigFile(const std::u16string& path, const AppConfig& cfg, int townSelected,
                     TextSink& out, const FileOps& ops = PlatformFileOps());

}  // namespace veloranth
