// The call at prayer time: which sound line 10 of data.cfg asks for, whether a sound file
// is a WAV that plays, and when each prayer's call sounds, once.
#pragma once

#include <cstdint>
#include <initializer_list>
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

// A reading of the local clock as seconds: the date's days since 1970-01-01 times 86,400,
// plus the time of day. The day's times are readings of that clock too.
double ClockSeconds(const ObservationDate& date, double hours);

// When a prayer's call plays: never before its time to the second (the exact time with its
// minute correction, before any rounding), nor before the minute shown for it begins.
double CallMoment(const PrayerDay& day, int kind);

// Which calls (bits 1 << SalatKind: Fajr, Zuhr, Asr, Maghrib, Isha) sound at the clock
// reading `now` among `days` (the day before and today, whose Isha may come after
// midnight): each from its moment for a minute, and once; `lastCall` keeps the latest
// moment that sounded.
unsigned CallsDue(std::initializer_list<const PrayerDay*> days, double now, double& lastCall);

}  // namespace veloranth
