// The one data.cfg parser behind both readers: the main program's (8-bit names) and the
// plug-in's (UTF-16 names). It reads a whole file's text, fills AppConfig and composes
// the transcription read_echo.cfg; the front ends open the files and tell the user.
#pragma once

#include <string>
#include <string_view>

#include "config/model.h"
#include "config/read_notice.h"
#include "config/town_allocator.h"

namespace veloranth {

// Upper bound of NumberOfTowns: a larger header is treated as a failed allocation
// rather than asking the heap for gigabytes.
inline constexpr int kMaxTowns = 100000;

// The first line of read_echo.cfg.
inline constexpr char kTranscriptionHeading[] =
    "8 -----------------  File reading transcription  ---------------\n";

// Parses `text` into `cfg` (records read earlier are replaced, as far as the file says)
// and appends the transcription to `transcription`. Town records come from `allocator`.
template <class Char>
ReadResult ParseConfig(std::basic_string_view<Char> text, BasicAppConfig<Char>& cfg,
                       std::basic_string<Char>& transcription, TownAllocator& allocator,
                       ReadReporter& reporter);

// Releases every town record and the table; NumberOfTowns becomes 0.
template <class Char>
void ReleaseTownTable(BasicAppConfig<Char>& cfg, TownAllocator& allocator);

}  // namespace veloranth
