// The call at prayer time, heard for real: the program lives through Zuhr under a faked
// clock, and the platform's record of sound requests says how often it was asked to play,
// and what. Its test entry starts the clock at 12:40:30 on 6 December 2026.
#include "platform/sound.h"
#include "testsupport/win/veloranth_run.h"

namespace veloranth {
namespace {

using namespace wintest;

// Paris's latitude at three longitudes a quarter degree apart: Zuhr at 12:41:38, 12:42:38
// and 12:43:38, one program run through each with another line 10. A few seconds into the
// minute, each second's paint after the first has not sounded the call again.
TEST_F(VeloranthRun, CallSoundsOnceAtZuhr) {
    SYSTEMTIME t;
    GetLocalTime(&t);
    if (t.wYear != 2026 || t.wMonth != 12 || t.wDay != 6)
        GTEST_SKIP() << "needs the clock of its test entry";
    ASSERT_EQ(t.wHour * 100 + t.wMinute, 1240) << "too late to cross Zuhr";
    fs::path record = BuildFolder().parent_path() / "test-runs" / "sound-requests.txt";
    fs::path tone = BuildFolder().parent_path() / "generated/sound/call_tone.wav";
    SetEnvironmentVariableW(platform::kSoundRecordVariable, record.wstring().c_str());
    const char* cases[][2] = {{"2.35", "2          \"adhan.wav\"\n"},   // the user's own
                              {"2.10", "2          \"absent.wav\"\n"},  // the tone instead
                              {"1.85", "0          \"adhan.wav\"\n"}};  // off
    for (int m = 41; m <= 43; ++m) {
        fs::remove(record);
        const auto& c = cases[m - 41];
        StartWith(std::string("1 1 0 0\n2 France Paris 48.85 ") + c[0] + " 1 1 0\n10 " + c[1]);
        fs::copy_file(tone, folder_ / "adhan.wav");  // a PCM WAV
        EXPECT_TRUE(
            WaitFor([&] { return GetLocalTime(&t), t.wMinute == m && t.wSecond >= 7; }, 90000));
        const std::string expected[] = {
            "file " + Utf16ToUtf8((folder_ / "adhan.wav").u16string()) + "\n",
            "image " + std::to_string(fs::file_size(tone)) + " bytes\n", ""};
        EXPECT_EQ(ReadBytes(record), expected[m - 41]) << c[1];
        TearDown();
    }
}

}  // namespace
}  // namespace veloranth
