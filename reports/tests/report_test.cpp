// The prayer-time report, the summary and the two box texts, byte for byte.
#include "reports/prayer_report.h"

#include <gtest/gtest.h>

#include "base/text_sink.h"
#include "engine/timebase.h"
#include "reports/sun_report.h"
#include "reports/tests/report_fixture.h"

namespace veloranth {
namespace {

using fixture::ExpectGolden;
using fixture::Loaded;

std::string Report(Loaded& l) {
    StringSink out;
    l.s.config.Verbose = 1;
    PrayerTimeReport(l.s, out);
    return out.str();
}

TEST(PrayerTimeReport, ParisReferenceDay) {
    Loaded l(fixture::kParis, {15, 1, 2007});
    ExpectGolden("paris-2007-01-15.report", Report(l));
    EXPECT_EQ(l.s.engine.exact[Zuhr], 12.999013531062598);
}

TEST(PrayerTimeReport, EverySpecialRuleOfAConvention) {
    // Isha after Maghrib, fixed Zuhr, Hanafi Asr, negative and positive corrections.
    Loaded l(fixture::kMecca, {15, 6, 2010});
    ExpectGolden("mecca-2010-06-15.report", Report(l));
}

TEST(PrayerTimeReport, ZuhrCorrectionAndSummerTime) {
    Loaded l(fixture::kNewYork, {4, 7, 2009});
    ExpectGolden("newyork-2009-07-04.report", Report(l));
}

TEST(PrayerTimeReport, PolarNightShowsNoSunriseOrSunset) {
    Loaded l(fixture::kTromso, {21, 12, 2007});
    std::string report = Report(l);
    ExpectGolden("tromso-2007-12-21.report", report);
    // The exact lines keep the raw value; the rounded section says there is no time.
    EXPECT_NE(report.find("Chourouk (Sunrise) at 0h ie : 00h00'00\""), std::string::npos);
    EXPECT_NE(report.find("Maghrib =--:--\n"), std::string::npos);
}

TEST(PrayerTimeReport, SilentWithVerboseZeroButComputesAll) {
    Loaded l(fixture::kParis, {15, 1, 2007});
    l.s.config.Verbose = 0;
    StringSink out;
    PrayerTimeReport(l.s, out);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(l.s.engine.TZeff, 1);
    EXPECT_EQ(l.s.engine.adjusted[Zuhr], 12.999013531062598);
}

std::string SummaryBytes(const MainState& s) {
    return Utf16ToCp1252(s.DaySummaryText);
}

TEST(BuildDaySummary, ReferenceDay) {
    Loaded l(fixture::kParis, {15, 1, 2007}, {9, 5, 7});
    StringSink out;
    BuildDaySummary(l.s, out);
    EXPECT_EQ(SummaryBytes(l.s),
              "    France, Paris\n"
              "    TimeZone +1   9:05:07\n"
              "    Lundi  15  Janvier  2007\n\n"
              "Fajr  Chourouk Zuhr     Asr   Maghrib  Isha\n"
              "06:46  08:39  13:00  15:02  17:21  19:08  ");
}

TEST(BuildDaySummary, NoTimeTodayAndSummerTime) {
    Loaded l(fixture::kTromso, {21, 6, 2007}, {23, 59, 0});
    StringSink out;
    BuildDaySummary(l.s, out);
    ExpectGolden("tromso-2007-06-21.summary", SummaryBytes(l.s));
    EXPECT_EQ(SummaryBytes(l.s).substr(SummaryBytes(l.s).rfind('\n') + 1),
              "--:--  --:--  12:46  17:58  --:--  --:--  ");
}

TEST(BuildDaySummary, FirstOfJanuaryAndLongestNamesFit) {
    Loaded l(fixture::kLongNames, {1, 1, 2008});
    StringSink out;
    BuildDaySummary(l.s, out);
    std::string text = SummaryBytes(l.s);
    EXPECT_NE(text.find("\n    Mardi  1  Janvier  2008\n\n"), std::string::npos);
    EXPECT_NE(text.find(std::string(79, 'N')), std::string::npos);
    EXPECT_LT(l.s.DaySummaryText.size(), 400u);
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), "06:32  08:18  12:43  14:51  17:08  18:49  ");
}

TEST(BuildDaySummary, UnreadableConfigurationNamesTheFile) {
    MainState s;
    s.configPath = u"/opt/veloranth/data.cfg";
    StringSink out;
    BuildDaySummary(s, out);
    EXPECT_EQ(s.DaySummaryText,
              u"La configuration n'a pas pu \u00EAtre lue :\n/opt/veloranth/data.cfg\n"
              u"Corrigez ou remplacez ce fichier, puis relancez Veloranth.");
}

TEST(PrayerTimeBox, TextAndVerboseBackToZero) {
    Loaded l(fixture::kParis, {15, 1, 2007});
    l.s.config.Verbose = 1;
    StringSink out;
    std::string text = PrayerTimeBoxText(l.s, out);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(l.s.config.Verbose, 0);
    ExpectGolden("paris-2007-01-15.box", text);
    EXPECT_NE(text.find("\nFajr    =06:46\nChourouk=08:39\nZuhr    =13:00\n"), std::string::npos);
}

TEST(PrayerTimeBox, SummerTimeAndNoTime) {
    Loaded l(fixture::kTromso, {21, 6, 2007});
    StringSink out;
    ExpectGolden("tromso-2007-06-21.box", PrayerTimeBoxText(l.s, out));
}

TEST(SunBox, NoonInParis) {
    Loaded l(fixture::kParis, {15, 1, 2007}, {13, 0, 0});
    StringSink out;
    ExpectGolden("paris-2007-01-15-1300.sunbox", SunBoxText(l.s, out));
    EXPECT_EQ(out.str(), "");
}

TEST(SunReport, BeforeTheTimeZoneHoursUsesThePreviousDay) {
    // 00:30 in summer time (TZeff 2): 22.5 h UT of the day before, day 0 on the first.
    Loaded l(fixture::kParis, {1, 7, 2008}, {0, 30, 0});
    l.s.config.Verbose = 1;
    StringSink out;
    SunReport(l.s, out);
    ExpectGolden("paris-2008-07-01-0030.sunreport", out.str());
    EXPECT_NE(out.str().find(" 0/7/2008 \xE0 22.5h UT   DST Applies  TZ (include DST)=2\n"),
              std::string::npos);
    EXPECT_EQ(l.s.engine.date.Day, 1);
    double T = l.s.engine.solar.T;
    SunReport(l.s, out);
    EXPECT_EQ(l.s.engine.solar.T, T);
}

TEST(SunReport, NoonUniversalTimeAndSilentWithoutVerbose) {
    Loaded l(fixture::kParis, {15, 1, 2007}, {13, 0, 0});
    l.s.config.Verbose = 0;
    StringSink out;
    SunReport(l.s, out);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(l.s.engine.solar.UTHour, 12.0);
    EXPECT_EQ(l.s.engine.solar.T, JulianCenturies(15, 1, 2007, 12.0));
}

}  // namespace
}  // namespace veloranth
