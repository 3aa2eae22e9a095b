// The call at prayer time, heard for real: the program lives through Zuhr under a faked
// clock that its test entries start half a minute before, and the platform's record of
// sound requests says how often it was asked to play, and what.
#include <gtest/gtest.h>

#include "platform/sound.h"
#include "testsupport/win/veloranth_run.h"

namespace veloranth {
namespace {

using namespace wintest;

// Paris, the test towns' first, on 6 December 2026: Zuhr at 12:41:38, so its call is due
// from 12:41:00; the clock starts at 12:40:30.
class CallRun : public VeloranthRun {
  protected:
    void SetUp() override {
        SYSTEMTIME t;
        GetLocalTime(&t);
        if (t.wYear != 2026 || t.wMonth != 12 || t.wDay != 6) {
            GTEST_SKIP() << "needs the clock of 6 December 2026, 12:40:30";
        }
        ASSERT_EQ(t.wHour * 100 + t.wMinute, 1240) << "too late to cross Zuhr";
    }

    // Line 10 as given, the test towns, and what was asked until a few seconds into Zuhr's
    // minute: each second's paint after the first must not sound the call again.
    std::string RequestsAcrossZuhr(const std::string& line10) {
        fs::path record = BuildFolder().parent_path() / "test-runs" / "sound-requests.txt";
        fs::remove(record);
        SetEnvironmentVariableW(platform::kSoundRecordVariable, record.wstring().c_str());
        StartWith(ReadBytes(kSource / "reports/tests/data/reports.cfg") + line10);
        fs::copy_file(tone_, folder_ / "adhan.wav");  // a PCM WAV: the user's own
        SYSTEMTIME t;
        EXPECT_TRUE(
            WaitFor([&] { return GetLocalTime(&t), t.wMinute == 41 && t.wSecond >= 5; }, 60000));
        Sleep(2000);
        return ReadBytes(record);
    }

    const fs::path tone_ = BuildFolder().parent_path() / "generated/sound/call_tone.wav";
};

TEST_F(CallRun, CallPlaysTheNamedWave) {
    std::string requests = RequestsAcrossZuhr("10 2          \"adhan.wav\"\n");
    EXPECT_EQ(requests, "file " + Utf16ToUtf8((folder_ / "adhan.wav").u16string()) + "\n");
}

TEST_F(CallRun, CallOfAMissingFilePlaysTheTone) {
    EXPECT_EQ(RequestsAcrossZuhr("10 2          \"absent.wav\"\n"),
              "image " + std::to_string(fs::file_size(tone_)) + " bytes\n");
}

TEST_F(CallRun, CallOffPlaysNothing) {
    EXPECT_EQ(RequestsAcrossZuhr("10 0          \"adhan.wav\"\n"), "");
}

}  // namespace
}  // namespace veloranth
