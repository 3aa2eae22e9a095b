// WriteConfig: AppConfig back into data.cfg, in the one layout people also edit by hand.
#pragma once

#include <cstdio>
#include <string>

#include "config/model.h"
#include "engine/text_sink.h"

namespace veloranth {

// The file operations the writer uses; tests replace them to make a save fail.
struct ConfigFileOps {
    std::FILE* (*open)(const std::u16string& path, const char* mode);
    bool (*replace)(const std::u16string& source, const std::u16string& target);
    bool (*remove)(const std::u16string& path);
};
const ConfigFileOps& PlatformFileOps();

// The bytes of data.cfg for `cfg`, with `townSelected` as the header's TownSelected.
// Prints "Write config file Error : Invalid number of towns." when there is no town.
std::string ComposeConfigFile(const AppConfig& cfg, int townSelected, TextSink& out);

// Writes data.cfg into `folder` through a temporary file that replaces it only once
// complete, so a failed save leaves the old file as it was. False on failure (reported).
bool WriteConfig(const std::u16string& folder, const AppConfig& cfg, int townSelected,
                 TextSink& out, const ConfigFileOps& ops = PlatformFileOps());

}  // namespace veloranth
