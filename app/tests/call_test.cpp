// The call at prayer time, heard for real: the test build of the program, whose sound
// player records each request and the time it came, lives through three Ishas just after
// midnight under the faked clock of its test entry (23:59:45 on 6 December 2026).
#include <cstdio>

#include "testsupport/win/veloranth_run.h"

namespace veloranth {
namespace {

using namespace wintest;

// Paris, Isha 420 minutes after Maghrib (16:54:22.7) and a correction of some minutes:
// at 00:00:38 (shown 00:01: the call waits for 00:01:00), at 00:02:20 (shown 00:02: the
// call waits for the time itself) and at 00:02:59. One run each, with another line 10.
TEST_F(VeloranthRun, CallSoundsAtItsTimeForIshasPastTheDate) {
    SYSTEMTIME t;
    GetLocalTime(&t);
    ASSERT_TRUE(t.wYear == 2026 && t.wMonth == 12 && t.wDay == 6 && t.wHour == 23)
        << "needs the faked clock of its test entry, 23:59:45 on 6 December 2026";
    fs::path tone = BuildFolder().parent_path() / "generated/sound/call_tone.wav";
    const struct {
        const char* correction;
        const char* line10;
        double moment;  // seconds after midnight
    } cases[] = {{"6.255", "2          \"adhan.wav\"", 60},        // the user's own
                 {"7.955", "2          \"absent.wav\"", 140.003},  // the tone instead
                 {"8.6", "0          \"adhan.wav\"", 180}};        // off
    for (const auto& c : cases) {
        StartWith(std::string("1 1 0 0\n2 France Paris 48.85 2.35 1 1 0\n"
                              "3 0 1 18 17 0.8333 1 420 0 12\n4 0 0 0 0 0 0 ") +
                      c.correction + "\n10 " + c.line10 + "\n",
                  "VeloranthRecording.exe");
        fs::copy_file(tone, folder_ / "adhan.wav");  // a PCM WAV
        ASSERT_TRUE(WaitFor(
            [&] { return GetLocalTime(&t), t.wDay == 7 && t.wMinute * 60 + t.wSecond > c.moment + 3; },
            240000));
        const std::string expected[] = {
            "file " + Utf16ToUtf8((folder_ / "adhan.wav").u16string()),
            "image " + std::to_string(fs::file_size(tone)) + " bytes", ""};
        const std::string heard = ReadBytes(folder_ / "sound-requests.txt");
        const std::string what = heard.substr(0, heard.find(" at "));
        EXPECT_EQ(what, expected[&c - cases]) << heard;
        int minute = -1, second = -1, millisecond = -1;
        if (!heard.empty()) {  // once, at the clock's first tick from its moment on
            std::sscanf(heard.c_str() + what.size(), " at 00:%d:%d.%d", &minute, &second,
                        &millisecond);
            const double at = minute * 60 + second + millisecond / 1000.0;
            EXPECT_TRUE(at >= c.moment && at < c.moment + 1.5) << heard;
            EXPECT_EQ(heard.find('\n'), heard.size() - 1) << heard;
        }
        TearDown();
    }
}

}  // namespace
}  // namespace veloranth
