// The call's sound: WAV headers that play and those that fall back to the tone, line 10's
// choices with real files, and the moment each call sounds.
#include "reports/prayer_call.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "testsupport/temp_folder.h"

namespace veloranth {
namespace {

std::string Le(std::uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i)
        s += static_cast<char>(v >> (8 * i) & 0xFF);
    return s;
}

std::string Chunk(const char* id, const std::string& body) {
    return id + Le(body.size(), 4) + body + std::string(body.size() % 2, '\0');
}

// A "fmt " chunk; an extensible one carries `guid` as its sub-format.
std::string Fmt(unsigned tag, unsigned channels, unsigned rate, unsigned bits, int badBlock = 0,
                const std::string& guid = "") {
    unsigned block = channels * bits / 8 + badBlock;
    return Chunk("fmt ", Le(tag, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * block, 4) +
                             Le(block, 2) + Le(bits, 2) +
                             (guid.empty() ? "" : Le(22, 2) + Le(bits, 2) + Le(4, 4) + guid));
}

std::string Riff(const std::string& chunks) {
    return "RIFF" + Le(chunks.size() + 4, 4) + "WAVE" + chunks;
}

const std::string kPcm("\x01\0\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 16);
const std::string kData = Chunk("data", std::string(400, '\x10'));
const std::string kPlain = Riff(Fmt(1, 1, 22050, 16) + kData);

TEST(CallSound, WaveHeadersThatPlay) {
    const struct {
        std::string file;
        bool plays;
    } cases[] = {
        {kPlain, true},
        {Riff(Chunk("LIST", "INFOtags!") + Fmt(1, 2, 44100, 16) + kData), true},  // padded chunk
        {Riff(Fmt(1, 1, 8000, 8) + kData), true},
        {Riff(Fmt(0xFFFE, 1, 22050, 16, 0, kPcm) + kData), true},
        {Riff(Fmt(0xFFFE, 1, 22050, 16, 0, "\x03" + kPcm.substr(1)) + kData), false},  // float
        {Riff(Fmt(2, 1, 22050, 16) + kData), false},                                   // ADPCM
        {Riff(Fmt(1, 1, 22050, 24) + kData), false},
        {Riff(Fmt(1, 1, 96000, 16) + kData), false},
        {Riff(Fmt(1, 1, 22050, 16, 1) + kData), false},
        {Riff(kData + Fmt(1, 1, 22050, 16)), false},
        {Riff(Fmt(1, 1, 22050, 16) + Chunk("data", "")), false},
        {Riff(Chunk("fmt ", std::string(14, '\1')) + kData), false},
        {"RIFF", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsPlayableWave(c.file, c.file.size()), c.plays) << testing::PrintToString(c.file);
    }
    EXPECT_FALSE(IsPlayableWave(kPlain, kPlain.size() - 1));           // a copy cut short
    EXPECT_TRUE(IsPlayableWave(kPlain.substr(0, 60), kPlain.size()));  // the head of a long file
}

TEST(CallSound, LineTenChoosesAndAFileThatFailsGivesTheTone) {
    testsupport::TempFolder folder;
    const std::u16string wave = folder.Folder() + u"adh\u00E2n.wav";
    std::ofstream(std::filesystem::path(wave), std::ios::binary) << kPlain;
    folder.Write("notes.wav", "not a sound");
    const struct {
        int call;
        const char* file;  // Windows-1252, as data.cfg gives it
        CallSound sound;
    } cases[] = {{kCallFile, "adh\xE2n.wav", CallSound::kFile},
                 {kCallFile, "missing.wav", CallSound::kTone},
                 {kCallFile, "notes.wav", CallSound::kTone},
                 {kCallFile, "", CallSound::kTone},
                 {kCallTone, "adh\xE2n.wav", CallSound::kTone},
                 {kCallOff, "adh\xE2n.wav", CallSound::kNone}};
    for (const auto& c : cases) {
        AppConfig cfg;
        cfg.Call = c.call;
        std::strcpy(cfg.SoundFile, c.file);
        CallChoice chosen = ChooseCallSound(cfg, folder.Folder());
        EXPECT_EQ(chosen.sound, c.sound) << c.call << " " << c.file;
        EXPECT_EQ(chosen.file, c.sound == CallSound::kFile ? wave : u"");
    }
}

// The call sounds at the later of the prayer's time to the second and the start of its
// shown minute, once, within a minute; an Isha after midnight calls on the next date.
TEST(CallSound, NeverBeforeItsTimeNorItsShownMinute) {
    PrayerDay before, today;
    before.date = {6, 12, 2026}, today.date = {7, 12, 2026};
    for (int k = 0; k < kSalatCount; ++k) {
        before.adjusted[k] = -10, today.adjusted[k] = 30;  // the day before, tomorrow
    }
    before.adjusted[Isha] = 24 + 38 / 3600.0;                    // 00:00:38, shown 00:01
    today.adjusted[Fajr] = 5 + 12 / 60.0 + 20 / 3600.0;           // 05:12:20, shown 05:12
    today.adjusted[Zuhr] = 12 + 41 / 60.0 + 38 / 3600.0;          // 12:41:38, shown 12:42
    today.adjusted[Asr] = 14.5, today.found.found[Asr] = false;  // not found: no call
    today.adjusted[Chourouk] = 8.5;                               // no call for sunrise
    today.adjusted[Maghrib] = 17 + 5 / 60.0 + 10 / 3600.0;        // 17:05:10, rounded up
    before.shown = before.adjusted, today.shown = today.adjusted;
    today.shown[Maghrib] = 1026 / 60.0 + 1 / 3600.0;  // shown 17:06, as the rounding up gives it
    const struct {
        double hours;  // on 7 December
        unsigned due;
    } ticks[] = {{0 + 59.99 / 3600, 0}, {1 / 60.0, 1u << Isha}, {1 / 60.0 + 1 / 3600.0, 0},
                 {5 + 12 / 60.0 + 19.99 / 3600, 0}, {5 + 12 / 60.0 + 20 / 3600.0, 1u << Fajr},
                 {8.5, 0}, {12 + 41 / 60.0 + 59.9 / 3600, 0}, {12.7, 1u << Zuhr},
                 {12.7 + 1 / 3600.0, 0}, {14.5, 0}, {17 + 5 / 60.0 + 10 / 3600.0, 0},
                 {1026 / 60.0 - 0.01 / 3600, 0}, {1026 / 60.0, 1u << Maghrib}};
    double lastCall = 0;
    for (const auto& t : ticks) {
        EXPECT_EQ(CallsDue({&before, &today}, ClockSeconds(today.date, t.hours), lastCall), t.due)
            << t.hours;
    }
    double fresh = 0;  // a minute after its moment, a call is over
    EXPECT_EQ(CallsDue({&today}, ClockSeconds(today.date, 12.7 + 61 / 3600.0), fresh), 0u);
}

}  // namespace
}  // namespace veloranth
