// The start-up trail and what it leaves in the state.
#include "reports/startup.h"

#include <gtest/gtest.h>

#include "config/parser.h"
#include "reports/prayer_report.h"
#include "base/text_sink.h"
#include "testsupport/temp_folder.h"

namespace veloranth {
namespace {

platform::LocalDateTime FixedClock() {
    return {2009, 3, 8, 7, 5, 9, 0};
}

TEST(StartupLoad, TrailAndObservationDate) {
    MainState s;
    StringSink out;
    StartupLoad(s, {u"data/reports.cfg", u""}, FixedClock, out);
    EXPECT_TRUE(s.townApplied);
    EXPECT_EQ(s.config.Verbose, 0);
    EXPECT_EQ(out.str(),
              "Recup\xE8re la date du syst\xE8me ?\n"
              "Entrez la date d'observation (d/m/a)\n"
              "Date saisie : 8/3/2009)\n"
              "Entrez l'heure d'observation (h/m/s)\n"
              "Date saisie : 7/5/9\n"
              "Date : 8/3/2009\n");
    EXPECT_EQ(s.time.Minute, 5);
}

TEST(StartupLoad, VerboseFileAddsWhereWeAre) {
    testsupport::TempFolder folder;
    folder.Write("data.cfg", "1 1 0 1\n2 France Paris 48.85 2.35 1 1 0\n");
    MainState s;
    StringSink out;
    StartupLoad(s, BesideModule(folder.Folder()), FixedClock, out);
    // \260: the degree sign.
    EXPECT_EQ(out.str().substr(0, out.str().find("Recup")),
              "Lieu actuel : \nLieu : France, Paris\n"
              "latitude= 48\26051'00\"   longitude=  2\26021'00\"\nConvention 0\n");
    EXPECT_TRUE(folder.Exists("read_echo.cfg"));
}

TEST(StartupLoad, MissingFileStillTakesTheDate) {
    MainState s;
    StringSink out;
    StartupLoad(s, {u"data/none.cfg", u""}, FixedClock, out);
    EXPECT_FALSE(s.townApplied);
    EXPECT_EQ(s.configPath, u"data/none.cfg");
    EXPECT_EQ(out.str().substr(0, 30), "File open error data.cfg\nRecup");
    EXPECT_EQ(s.date.Year, 2009);
}

// Started on 8/3/2009: the next day's clock moves the state, when it follows the day, to
// what a start on that day computes.
TEST(FollowTheDay, MovesOnlyAFollowingStateToTheNextDay) {
    auto sameDay = [] { return platform::LocalDateTime{2009, 3, 8, 23, 59, 59, 0}; };
    auto nextDay = [] { return platform::LocalDateTime{2009, 3, 9, 0, 0, 1, 0}; };
    for (bool follows : {true, false}) {
        MainState s, started;
        StringSink out;
        StartupLoad(s, {u"data/reports.cfg", u""}, FixedClock, out);
        StartupLoad(started, {u"data/reports.cfg", u""}, nextDay, out);
        BuildDaySummary(started);
        s.followsDay = follows;
        EXPECT_FALSE(FollowTheDay(s, sameDay));
        EXPECT_EQ(FollowTheDay(s, nextDay), follows);
        EXPECT_EQ(s.DaySummaryText == started.DaySummaryText, follows);
    }
}

}  // namespace
}  // namespace veloranth
