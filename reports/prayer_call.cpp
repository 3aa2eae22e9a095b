// The call's sound and memory. The WAV header is read here rather than left to the player:
// a file that would not play must fall back to the tone, and the player says nothing.
#include "reports/prayer_call.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "base/calendar_date.h"
#include "base/codepage.h"
#include "engine/shown_time.h"
#include "platform/files.h"

namespace veloranth {

namespace {

constexpr unsigned kPcm = 1;
constexpr unsigned kExtensible = 0xFFFE;
// The rest of the extensible format's PCM sub-format GUID, after its leading 16-bit tag.
constexpr char kPcmGuidTail[] = "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71";

unsigned Word(std::string_view b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

std::uint32_t DoubleWord(std::string_view b, std::size_t at) {
    return Word(b, at) | static_cast<std::uint32_t>(Word(b, at + 2)) << 16;
}

// A "fmt " chunk's body (at least its 16 common bytes) that the player can play.
bool IsPlayableFormat(std::string_view fmt) {
    unsigned tag = Word(fmt, 0), channels = Word(fmt, 2), block = Word(fmt, 12),
             bits = Word(fmt, 14);
    std::uint32_t rate = DoubleWord(fmt, 4), bytesPerSecond = DoubleWord(fmt, 8);
    if (tag == kExtensible) {
        const std::size_t kSubFormat = 24;
        if (fmt.size() < kSubFormat + 16 || Word(fmt, kSubFormat) != kPcm ||
            fmt.compare(kSubFormat + 2, 14, std::string_view(kPcmGuidTail, 14)) != 0) {
            return false;
        }
    } else if (tag != kPcm) {
        return false;
    }
    return (channels == 1 || channels == 2) && (bits == 8 || bits == 16) && rate >= 8000 &&
           rate <= 48000 && block == channels * bits / 8 && bytesPerSecond == rate * block;
}

// The first kWaveHeadBytes of the file and its size; false when it cannot be read.
bool ReadHead(const std::u16string& path, std::string& head, std::uint64_t& size) {
    std::FILE* f = platform::OpenFile(path, "rb");
    if (f == nullptr) {
        return false;
    }
    head.resize(kWaveHeadBytes);
    head.resize(std::fread(&head[0], 1, head.size(), f));
    long end = std::fseek(f, 0, SEEK_END) == 0 ? std::ftell(f) : -1;
    std::fclose(f);
    size = end < 0 ? 0 : static_cast<std::uint64_t>(end);
    return end >= 0;
}

bool IsPlayableWaveFile(const std::u16string& path) {
    std::string head;
    std::uint64_t size = 0;
    return ReadHead(path, head, size) && IsPlayableWave(head, size);
}

}  // namespace

bool IsPlayableWave(std::string_view head, std::uint64_t fileSize) {
    if (head.size() < 12 || head.compare(0, 4, "RIFF") != 0 || head.compare(8, 4, "WAVE") != 0) {
        return false;
    }
    bool formatPlays = false;
    // Chunks in file order: the format must come before the data, as the format requires.
    for (std::uint64_t at = 12; at + 8 <= head.size();) {
        std::string_view id = head.substr(static_cast<std::size_t>(at), 4);
        std::uint64_t size = DoubleWord(head, static_cast<std::size_t>(at) + 4);
        std::uint64_t body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + size > head.size()) {
                return false;
            }
            formatPlays = IsPlayableFormat(
                head.substr(static_cast<std::size_t>(body), static_cast<std::size_t>(size)));
        } else if (id == "data") {
            return formatPlays && size > 0 && body + size <= fileSize;
        }
        at = body + size + (size & 1);  // chunks are padded to an even length
    }
    return false;  // no data chunk within the head
}

CallChoice ChooseCallSound(const AppConfig& cfg, const std::u16string& folder) {
    if (cfg.Call == kCallOff) {
        return {};
    }
    if (cfg.Call == kCallFile && cfg.SoundFile[0] != 0) {
        std::u16string path = folder + Cp1252ToUtf16(cfg.SoundFile);
        if (IsPlayableWaveFile(path)) {
            return {CallSound::kFile, path};
        }
    }
    return {CallSound::kTone, {}};
}

double ClockSeconds(const ObservationDate& date, double hours) {
    return static_cast<double>(DaysFromCivil(date.Year, date.Month, date.Day)) * 86400.0 +
           hours * 3600.0;
}

double CallMoment(const PrayerDay& day, int kind) {
    const double exact = day.adjusted[kind];
    return ClockSeconds(day.date, std::max(exact, ShownMinute(day.shown[kind]) / 60.0));
}

unsigned CallsDue(std::initializer_list<const PrayerDay*> days, double now, double& lastCall) {
    const double kWindow = 60;  // seconds: a clock that jumped past the moment stays silent
    unsigned due = 0;
    double latest = lastCall;
    for (const PrayerDay* day : days) {
        for (int kind : {Fajr, Zuhr, Asr, Maghrib, Isha}) {
            const double moment = day->found[kind] ? CallMoment(*day, kind) : 0;
            if (day->found[kind] && moment > lastCall && now >= moment && now < moment + kWindow) {
                due |= 1u << kind;
                latest = std::max(latest, moment);
            }
        }
    }
    lastCall = latest;
    return due;
}

}  // namespace veloranth
