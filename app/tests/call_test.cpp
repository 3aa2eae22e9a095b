// The program lives through midnight under the faked clock of its test entry (23:59:40 on 6
// December 2026): the window moves to the new day, and the call at prayer time is heard
// for real, in the test build of the program whose sound player records each request and
// the time it came, for three Ishas just after midnight.
#include <cstdio>

#include "testsupport/win/veloranth_run.h"

namespace veloranth {
namespace {

using namespace wintest;

// Paris, Isha 420 minutes after Maghrib (16:54:22.7) and a correction of some minutes:
// at 00:00:38 (shown 00:01: the call waits for 00:01:00), at 00:02:20 (shown 00:02: the
// call waits for the time itself) and at 00:02:59. One run each, with another line 10.
TEST_F(VeloranthRun, MidnightAndTheCallsAfterIt) {
    SYSTEMTIME t;
    GetLocalTime(&t);
    ASSERT_TRUE(t.wYear == 2026 && t.wMonth == 12 && t.wDay == 6 && t.wHour == 23)
        << "needs the faked clock of its test entry, 23:59:40 on 6 December 2026";
    const fs::path tone = BuildFolder().parent_path() / "generated/sound/call_tone.wav";
    const struct {
        const char *correction, *line10;
        double moment;  // seconds after midnight
        std::string heard;
    } cases[] = {{"6.255", "2 \"adhan.wav\"", 60, "file "},  // the user's own
                 {"7.955", "2 \"absent.wav\"", 140.003,       // the tone instead
                  "image " + std::to_string(fs::file_size(tone)) + " bytes"},
                 {"8.6", "0 \"adhan.wav\"", 180, ""}};  // off
    for (const auto& c : cases) {
        StartWith(std::string("1 1 0 0\n2 France Paris 48.85 2.35 1 1 0\n3 0 1 18 17 0.8333 1 "
                              "420 0 12\n4 0 0 0 0 0 0 ") + c.correction + "\n10 " + c.line10 + "\n",
                  "VeloranthRecording.exe");
        fs::copy_file(tone, folder_ / "adhan.wav");  // a PCM WAV
        if (&c == cases) {  // a date chosen, then Done on "Maintenant": it follows the day
            Choose(0, kParisDay);
            HWND dialog = Open(IDM_TOWNS, L"Configuration");
            SendMessageW(dialog, WM_COMMAND, IDC_NOW, 0);
            Close(dialog);
        }
        ASSERT_TRUE(WaitFor(
            [&] { return GetLocalTime(&t), t.wDay == 7 && t.wMinute * 60 + t.wSecond > c.moment + 3; },
            240000));
        const std::string heard = ReadBytes(folder_ / "sound-requests.txt");
        const std::string what = heard.substr(0, heard.find(" at ")), file = "adhan.wav";
        EXPECT_EQ(what, c.heard + (&c == cases ? Utf16ToUtf8((folder_ / file).u16string()) : ""));
        int minute = 0, second = 0, millisecond = 0;  // once, at the first tick from its moment
        std::sscanf(heard.c_str() + what.size(), " at 00:%d:%d.%d", &minute, &second, &millisecond);
        const double at = minute * 60 + second + millisecond / 1000.0;
        EXPECT_TRUE(heard.empty() || (at >= c.moment && at < c.moment + 1.5 &&
                                      heard.find('\n') == heard.size() - 1))
            << heard;
        if (&c == cases) {
            EXPECT_NE(BoxText(IDM_PRAYER_TIMES).find(L"__ Date : Lundi 7/12/2026"), std::wstring::npos);
        }
        TearDown();
    }
}

}  // namespace
}  // namespace veloranth
