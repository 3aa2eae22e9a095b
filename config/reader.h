// The main program's ReadConfig: data.cfg from a folder into AppConfig, its transcription
// into read_echo.cfg beside it, every problem as a line on the given output.
#pragma once

#include <string>

#include "config/model.h"
#include "config/read_notice.h"
#include "config/town_allocator.h"
#include "base/text_sink.h"

namespace veloranth {

ReadResult ReadConfig(const std::u16string& folder, AppConfig& cfg, TextSink& out);

// A configuration that releases the towns it reads when it goes.
struct OwnedConfig {
    OwnedConfig() = default;
    OwnedConfig(const OwnedConfig&) = delete;
    OwnedConfig& operator=(const OwnedConfig&) = delete;
    ~OwnedConfig();
    AppConfig cfg;
};

// The same from any file; an empty `echoPath` writes no transcription. Every notice is
// also told to `also` when given.
ReadResult ReadConfigFile(const std::u16string& configPath, const std::u16string& echoPath,
                          AppConfig& cfg, TextSink& out, ReadReporter* also = nullptr);

// A notice as the console line that the main program prints for it.
void PrintNotice(ReadNotice notice, const NoticeDetails& details, TextSink& out);

// The "Lieu actuel" block that a successful reading prints while Verbose is non-zero.
void PrintCurrentPlace(const AppConfig& cfg, TextSink& out);

// The reading both front ends share: data.cfg into `cfg` (names widened from
// Windows-1252 for char16_t), the transcription into `echoPath` as 8-bit text unless it is
// empty, every problem to `reporter`.
template <class Char>
ReadResult ReadConfigFiles(const std::u16string& configPath, const std::u16string& echoPath,
                           BasicAppConfig<Char>& cfg, TownAllocator& allocator,
                           ReadReporter& reporter);

// The whole content of a file, or false when it cannot be opened or read.
bool LoadFile(const std::u16string& path, std::string& content);

}  // namespace veloranth
