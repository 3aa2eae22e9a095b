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

// "Sauve config": writes data.cfg into `folder` under the edit lock (edit_lock.h), through
// ReplaceWholeFile, so a failed save leaves the old file as it was. False on failure,
// reported on `out` ("File open error for writing data.cfg", then the path and the
// system's reason) and in `failure` when given.
bool WriteConfig(const std::u16string& folder, const AppConfig& cfg, int townSelected,
                 TextSink& out, const FileOps& ops = PlatformFileOps(),
                 SaveFailure* failure = nullptr);
// The same into a file of any name (the command line's --config), without the lock:
// the caller holds it from its reading of the file on.
bool WriteConfigFile(const std::u16string& path, const AppConfig& cfg, int townSelected,
                     TextSink& out, const FileOps& ops = PlatformFileOps(),
                     SaveFailure* failure = nullptr);

}  // namespace veloranth
