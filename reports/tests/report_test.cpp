// What the texts' goldens do not show: silence without Verbose, Verbose set back, the
// observation date kept, and the summary of an unreadable configuration.
#include "reports/prayer_report.h"

#include <gtest/gtest.h>

#include "base/text_sink.h"
#include "engine/timebase.h"
#include "reports/sun_report.h"
#include "reports/tests/report_fixture.h"

namespace veloranth {
namespace {

using fixture::Loaded;

// Without Verbose the reports print nothing but compute; the box sets Verbose back to 0.
TEST(Reports, SilentWithoutVerboseButComputed) {
    Loaded l(fixture::kParis, {15, 1, 2007}, {13, 0, 0});
    l.s.config.Verbose = 0;
    StringSink out;
    PrayerTimeReport(l.s, out);
    EXPECT_EQ(l.s.engine.adjusted[Zuhr], 12.999013531062598);
    SunReport(l.s, out);
    EXPECT_EQ(l.s.engine.solar.UTHour, 12.0);
    EXPECT_EQ(l.s.engine.solar.T, JulianCenturies(15, 1, 2007, 12.0));
    l.s.config.Verbose = 1;
    EXPECT_FALSE(PrayerTimeBoxText(l.s, out).empty());
    EXPECT_EQ(l.s.config.Verbose, 0);
    EXPECT_EQ(out.str(), "");
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

TEST(SunReport, BeforeTheTimeZoneHoursUsesThePreviousDay) {
    // 00:30 in summer time (TZeff 2): 22.5 h UT of the day before, day 0 on the first.
    Loaded l(fixture::kParis, {1, 7, 2008}, {0, 30, 0});
    StringSink out;
    SunReport(l.s, out);
    EXPECT_EQ(l.s.engine.date.Day, 1);
    double T = l.s.engine.solar.T;
    SunReport(l.s, out);
    EXPECT_EQ(l.s.engine.solar.T, T);
}

}  // namespace
}  // namespace veloranth
