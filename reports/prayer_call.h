// The call at prayer time: which sound line 10 of data.cfg asks for, whether a sound file
// is a WAV that plays, and the memory that sounds each prayer's call once a day.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "config/model.h"

namespace veloranth {

enum class CallSound { kNone, kTone, kFile };

struct CallChoice {
    CallSound sound = CallSound::kNone;
    std::u16string file;  // the full path, for kFile
};

// The header bytes at least (`head`, the file's first bytes) and the whole file's size: true
// for a RIFF WAVE of uncompressed PCM (plain or extensible), mono or stereo, 8 or 16 bits,
// 8,000 to 48,000 samples a second, whose non-empty data chunk lies within the file.
bool IsPlayableWave(std::string_view head, std::uint64_t fileSize);

// How many leading bytes IsPlayableWave is given: the headers and any chunk before the data
// (a recorder's tags) lie within them.
inline constexpr std::size_t kWaveHeadBytes = 64 * 1024;

// Line 10: nothing when the call is off; the file beside the program (in `folder`, with its
// trailing separator) when one is named and is a WAV that plays; otherwise the tone.
CallChoice ChooseCallSound(const AppConfig& cfg, const std::u16string& folder);

// The prayers (bits 1 << SalatKind) whose call has sounded on the day it names.
struct CallsHeard {
    int year = 0, month = 0, day = 0;
    unsigned prayers = 0;
};

// Of the prayers `calling` on that clock day, those not heard yet; they count as heard.
unsigned TakeNewCalls(CallsHeard& heard, int year, int month, int day, unsigned calling);

}  // namespace veloranth
