// The start-up trail and what it leaves in the state.
#include "reports/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "config/parser.h"
#include "base/text_sink.h"

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
    EXPECT_EQ(s.config.Verbose, 0);  // the file's value replaced the 1 of the start
    EXPECT_EQ(out.str(),
              "Recup\xE8re la date du syst\xE8me ?\n"
              "Entrez la date d'observation (d/m/a)\n"
              "Date saisie : 8/3/2009)\n"
              "Entrez l'heure d'observation (h/m/s)\n"
              "Date saisie : 7/5/9\n"
              "Date : 8/3/2009\n");
    EXPECT_EQ(s.engine.time.Minute, 5);
}

TEST(StartupLoad, VerboseFileAddsWhereWeAre) {
    auto dir = std::filesystem::temp_directory_path() / "veloranth-startup";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "data.cfg", std::ios::binary)
        << "1 1 0 1\n2 France Paris 48.85 2.35 1 1 0\n";
    MainState s;
    StringSink out;
    StartupLoad(s, BesideModule((dir / "").u16string()), FixedClock, out);
    EXPECT_EQ(out.str().substr(0, out.str().find("Recup")),
              "Lieu actuel : \nLieu : France, Paris\n"
              "latitude= 48\xB0"
              "51'00\"   longitude=  2\xB0"
              "21'00\"\nConvention 0\n");
    EXPECT_TRUE(std::filesystem::exists(dir / "read_echo.cfg"));
    std::filesystem::remove_all(dir);
}

TEST(StartupLoad, MissingFileStillTakesTheDate) {
    MainState s;
    StringSink out;
    StartupLoad(s, {u"data/none.cfg", u""}, FixedClock, out);
    EXPECT_FALSE(s.townApplied);
    EXPECT_EQ(s.configPath, u"data/none.cfg");
    EXPECT_EQ(out.str().substr(0, 30), "File open error data.cfg\nRecup");
    EXPECT_EQ(s.engine.date.Year, 2009);
}

}  // namespace
}  // namespace veloranth
