// WriteConfig: AppConfig back into data.cfg, in the one layout people also edit by hand.
#pragma once

#include <string>

#include "config/edit_lock.h"
#include "config/file_ops.h"
#include "config/model.h"
#include "base/text_sink.h"

namespace veloranth {

// The bytes of data.cfg for `cfg`, with `townSelected` as the header's TownSelected.
// Prints "Write config file Error : Invalid number of towns." when there is no town.
std::string ComposeConfigFile(const AppConfig& cfg, int townSelected, TextSink& out);

// Writes `cfg` into `file`, a final path whose edit lock the caller holds from its reading
// of the file on (ConfigEditLock::File()), through ReplaceWholeFile: a failed save leaves
// the old file as it was. False on failure, reported on `out` ("File open error for writing
// data.cfg", then the path and the system's reason) and in `failure` when given.
bool WriteConfigFile(const std::u16string& file, const AppConfig& cfg, int townSelected,
                     TextSink& out, const FileOps& ops = PlatformFileOps(),
                     SaveFailure* failure = nullptr);

// "Sauve config": under the edit lock (tried again while `wait` allows), data.cfg in
// `folder` is read again, so that what another program wrote since the start is kept, and
// written back with `townSelected`. Where data.cfg is not there any more, the program's
// own configuration `program` is written. A reading that stops early or has lost the town
// is not saved over. Failures as for WriteConfigFile, the reading's notices on `out`.
bool SaveTownChoice(const std::u16string& folder, const AppConfig& program, int townSelected,
                    const LockWait& wait, TextSink& out, const FileOps& ops = PlatformFileOps(),
                    SaveFailure* failure = nullptr);

}  // namespace veloranth
