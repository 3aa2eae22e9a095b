// The call's sound: WAV headers that play and those that fall back to the tone, line 10's
// choices with real files, and one call per prayer and day.
#include "reports/prayer_call.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "testsupport/temp_folder.h"

namespace veloranth {
namespace {

std::string Le(std::uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) {
        s += static_cast<char>(v >> (8 * i) & 0xFF);
    }
    return s;
}

std::string Chunk(const char* id, const std::string& body) {
    return id + Le(static_cast<std::uint32_t>(body.size()), 4) + body +
           (body.size() % 2 ? std::string(1, '\0') : "");
}

struct Format {
    unsigned tag = 1, channels = 1, rate = 22050, bits = 16;
    int blockError = 0;
    std::string extensible;  // the sub-format GUID of an extensible format
};

std::string Fmt(const Format& f) {
    unsigned block = f.channels * f.bits / 8 + f.blockError;
    std::string body = Le(f.tag, 2) + Le(f.channels, 2) + Le(f.rate, 4) + Le(f.rate * block, 4) +
                       Le(block, 2) + Le(f.bits, 2);
    if (!f.extensible.empty()) {
        body += Le(22, 2) + Le(f.bits, 2) + Le(4, 4) + f.extensible;
    }
    return Chunk("fmt ", body);
}

std::string Riff(const std::string& chunks) {
    return "RIFF" + Le(static_cast<std::uint32_t>(chunks.size() + 4), 4) + "WAVE" + chunks;
}

const std::string kPcmGuid("\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 16);
const std::string kFloatGuid = "\x03" + kPcmGuid.substr(1);
const std::string kData = Chunk("data", std::string(400, '\x10'));

TEST(CallSound, WaveHeadersThatPlay) {
    Format stereo;
    stereo.channels = 2, stereo.rate = 44100;
    Format eightBit;
    eightBit.bits = 8, eightBit.rate = 8000;
    Format extensible;
    extensible.tag = 0xFFFE, extensible.extensible = kPcmGuid;
    Format floatExtensible = extensible;
    floatExtensible.extensible = kFloatGuid;
    Format floating;
    floating.tag = 3, floating.bits = 32;
    Format deep, fast, surround, badBlock, adpcm;
    deep.bits = 24, fast.rate = 96000, surround.channels = 6, badBlock.blockError = 1;
    adpcm.tag = 2;
    const std::string plain = Riff(Fmt({}) + kData);
    const std::string odd = Chunk("LIST", "INFOtags!");  // 9 bytes, padded to 10
    const struct {
        const char* what;
        std::string file;
        bool plays;
    } cases[] = {
        {"mono 16-bit", plain, true},
        {"stereo 44.1 kHz", Riff(Fmt(stereo) + kData), true},
        {"8-bit 8 kHz", Riff(Fmt(eightBit) + kData), true},
        {"extensible PCM", Riff(Fmt(extensible) + kData), true},
        {"a tag chunk of odd length first", Riff(odd + Fmt({}) + kData), true},
        {"extensible float", Riff(Fmt(floatExtensible) + kData), false},
        {"float", Riff(Fmt(floating) + kData), false},
        {"ADPCM", Riff(Fmt(adpcm) + kData), false},
        {"24-bit", Riff(Fmt(deep) + kData), false},
        {"96 kHz", Riff(Fmt(fast) + kData), false},
        {"six channels", Riff(Fmt(surround) + kData), false},
        {"block size contradicts", Riff(Fmt(badBlock) + kData), false},
        {"data before the format", Riff(kData + Fmt({})), false},
        {"no data", Riff(Fmt({})), false},
        {"empty data", Riff(Fmt({}) + Chunk("data", "")), false},
        {"short format", Riff(Chunk("fmt ", std::string(14, '\1')) + kData), false},
        {"not RIFF", "RIFX" + plain.substr(4), false},
        {"an MP3 renamed", "ID3\x04" + std::string(400, '\0'), false},
        {"a few bytes", "RIFF", false},
        {"", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsPlayableWave(c.file, c.file.size()), c.plays) << c.what;
    }
    // Data that runs past the end of the file: a copy cut short.
    EXPECT_FALSE(IsPlayableWave(plain, plain.size() - 1));
    // Only the head is given for a long file: its data lies beyond it.
    EXPECT_TRUE(IsPlayableWave(plain.substr(0, 60), plain.size()));
}

TEST(CallSound, LineTenChoosesAndAFileThatFailsGivesTheTone) {
    testsupport::TempFolder folder;
    const std::u16string wave = folder.Folder() + u"adh\u00E2n.wav";
    std::ofstream(std::filesystem::path(wave), std::ios::binary) << Riff(Fmt({}) + kData);
    folder.Write("notes.wav", "not a sound");
    const struct {
        int call;
        const char* file;  // as data.cfg gives it (Windows-1252)
        CallSound sound;
    } cases[] = {
        {kCallFile, "adh\xE2n.wav", CallSound::kFile}, {kCallFile, "missing.wav", CallSound::kTone},
        {kCallFile, "notes.wav", CallSound::kTone},    {kCallFile, "", CallSound::kTone},
        {kCallTone, "adh\xE2n.wav", CallSound::kTone}, {kCallOff, "adh\xE2n.wav", CallSound::kNone},
    };
    for (const auto& c : cases) {
        AppConfig cfg;
        cfg.Call = c.call;
        std::strcpy(cfg.SoundFile, c.file);
        CallChoice chosen = ChooseCallSound(cfg, folder.Folder());
        EXPECT_EQ(chosen.sound, c.sound) << c.call << " " << c.file;
        EXPECT_EQ(chosen.file, c.sound == CallSound::kFile ? wave : u"");
    }
    EXPECT_EQ(ChooseCallSound(AppConfig{}, folder.Folder()).sound, CallSound::kTone);
}

TEST(CallSound, EachPrayerOnceADay) {
    CallsHeard heard;
    const unsigned zuhr = 1u << Zuhr, asr = 1u << Asr;
    EXPECT_EQ(TakeNewCalls(heard, 2026, 12, 6, zuhr), zuhr);
    EXPECT_EQ(TakeNewCalls(heard, 2026, 12, 6, zuhr), 0u);  // the next second's paint
    EXPECT_EQ(TakeNewCalls(heard, 2026, 12, 6, 0), 0u);
    EXPECT_EQ(TakeNewCalls(heard, 2026, 12, 6, zuhr | asr), asr);
    EXPECT_EQ(TakeNewCalls(heard, 2026, 12, 7, zuhr), zuhr);  // a new day
    EXPECT_EQ(TakeNewCalls(heard, 2027, 12, 7, zuhr), zuhr);
}

}  // namespace
}  // namespace veloranth
