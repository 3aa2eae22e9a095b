// What the texts' goldens do not show: silence without a sink, and the summary of an
// unreadable configuration.
#include "reports/prayer_report.h"

#include <gtest/gtest.h>

#include "base/text_sink.h"
#include "engine/timebase.h"
#include "reports/sun_report.h"
#include "reports/tests/report_fixture.h"

namespace veloranth {
namespace {

using fixture::Loaded;

// Without a sink the reports print nothing but compute.
TEST(Reports, SilentWithoutASinkButComputed) {
    Loaded l(fixture::kParis, {15, 1, 2007}, {13, 0, 0});
    EXPECT_EQ(PrayerTimeReport(l.s, nullptr).adjusted[Zuhr], 12.999013531062598);
    const SolarState sun = SunReport(l.s, nullptr);
    EXPECT_EQ(sun.UTHour, 12.0);
    EXPECT_EQ(sun.T, JulianCenturies(15, 1, 2007, 12.0));
}

TEST(BuildDaySummary, UnreadableConfigurationNamesTheFile) {
    MainState s;
    s.configPath = u"/opt/veloranth/data.cfg";
    BuildDaySummary(s);
    EXPECT_EQ(s.DaySummaryText,
              u"La configuration n'a pas pu \u00EAtre lue :\n/opt/veloranth/data.cfg\n"
              u"Corrigez ou remplacez ce fichier, puis relancez Veloranth.");
}

}  // namespace
}  // namespace veloranth
