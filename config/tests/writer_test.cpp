// data.cfg as written: the layout byte for byte, what reads back, and saves that fail.
#include "config/writer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "base/codepage.h"

#include "config/tests/config_fixture.h"
#include "testsupport/failing_files.h"

namespace veloranth {
namespace {

using fixture::DataFile;
using fixture::OwnedConfig;
using fixture::TempFolder;

void SetRules(Convention& k, const char* name, bool asr, double fajr, double isha, double sun,
              bool plus, int minutes, bool fixe, double hour,
              std::initializer_list<double> offsets) {
    std::strcpy(k.Name, name);
    k.AsrShafi = asr, k.FajrTwilightAngle = fajr, k.IshaTwilightAngle = isha;
    k.SunriseSetAngle = sun, k.IshaIsMaghribPlus = plus, k.IshaMaghribMinutes = minutes;
    k.ZuhrFixe = fixe, k.ZuhrHour = hour;
    double* fields[] = {&k.FajrOffset, &k.ChouroukOffset, &k.ZuhrOffset,
                        &k.AsrOffset,  &k.MaghribOffset,  &k.IshaOffset};
    int i = 0;
    for (double o : offsets) {
        *fields[i++] = o;
    }
}

// The configuration that data/written.cfg holds.
struct SampleConfig {
    Town towns[4];
    Town* table[4] = {&towns[0], &towns[1], &towns[2], &towns[3]};
    AppConfig cfg;

    SampleConfig() {
        Convention* k = cfg.Conventions;
        SetRules(k[0], "Ligue Islamique Mondiale", true, 18, 17, 0.8333, false, 0, false, 12, {});
        SetRules(k[1], "UOIF 12 degres", true, 12, 12, 0.8333, false, 0, false, 12,
                 {0, 0, 2, 0, 3});
        SetRules(k[2], "Egypte", true, 19.5, 17.5, 0.8333, false, 0, false, 12, {-2});
        SetRules(k[3], "Umm al-Qura", true, 18.5, 0, 0.8333, true, 90, false, 12, {});
        SetRules(k[4], "Karachi", false, 18, 18, 0.8333, false, 0, false, 13.25, {});
        SetRules(k[6], "Fixe 13h30", true, 18, 17, 0.8333, false, 0, true, 13.5,
                 {1.5, -1, 5, 2.25, 0, -0.5});
        SetRules(k[8], "Dernier", true, 15, 15, 0.8333, false, 0, false, 12, {});
        SetTown(towns[0], "France", "Paris", 48.856613, 2.352222, 1, 1, 0);
        SetTown(towns[1], "Algerie", "Alger", 36.753768, 3.058756, 1, 0, 2);
        SetTown(towns[2], "Arabie_Saoudite", "La_Mecque", 21.42251, 39.826168, 3, 0, 3);
        SetTown(towns[3], "Chili", "Punta_Arenas", -53.163833, -70.917068, -3, 0, 8);
        cfg.TownTable = table;
        cfg.NumberOfTowns = 4;
        cfg.TownSelected = 2;
        cfg.Verbose = 1;
    }

    static void SetTown(Town& t, const char* country, const char* name, double lat, double lon,
                        int tz, int dst, int convention) {
        std::strcpy(t.Country, country);
        std::strcpy(t.Name, name);
        t.latitude = lat, t.longitude = lon;
        t.TimeZone = tz, t.DST = dst, t.Convention = convention;
    }
};

// The configuration that data/records.cfg holds: a line 7 after a line 6, one after a line
// 4, one of defaults as a file read has it, a convention above 8 with a line 7 alone, and
// the lines 9 and 10.
struct SampleWithRecords : SampleConfig {
    SampleWithRecords() {
        Convention* k = cfg.Conventions;
        k[2].HighLatitudeRule = kOneSeventh;
        k[2].MaghribTwilightAngle = 4.5, k[2].JafariMidnight = true;
        k[3].RamadanIshaMinutes = 120;
        k[8].CommunityLinePresent = true;
        k[20].Addressed = true, k[20].MaghribTwilightAngle = 4, k[20].ImsakMinutes = 0;
        k[20].JafariMidnight = true, k[20].SeasonalTwilight = 3;
        towns[3].Convention = 20;
        cfg.HijriShown = true, cfg.HijriAdjustment = -1;
        cfg.Call = kCallFile;
        std::strcpy(cfg.SoundFile, "adhan.wav");
        cfg.Verbose = 0;
    }
};

TEST(ComposeConfigFile, LayoutByteForByte) {
    SampleConfig s;
    StringSink out;
    EXPECT_EQ(ComposeConfigFile(s.cfg, 2, out), DataFile("written.cfg"));
    EXPECT_EQ(out.str(), "");
}

// Written where they belong; read, transcribed as they stand and written back unchanged.
TEST(WriteConfig, CommunityHijriAndCallLinesByteForByte) {
    SampleWithRecords s;
    StringSink out;
    const std::string file = DataFile("records.cfg");
    EXPECT_EQ(ComposeConfigFile(s.cfg, 2, out), file);
    OwnedConfig o;
    fixture::ReadRun run = fixture::ReadBytes(file, o.cfg);
    ASSERT_EQ(run.result, kReadOk);
    EXPECT_EQ(run.transcription, kTranscriptionHeading + file);
    EXPECT_EQ(ComposeConfigFile(o.cfg, o.cfg.TownSelected, out), file);
}

TEST(ComposeConfigFile, NoTownsIsReportedAndWrittenWithoutTownLines) {
    SampleConfig s;
    s.cfg.NumberOfTowns = 0;
    StringSink out;
    std::string file = ComposeConfigFile(s.cfg, 0, out);
    EXPECT_EQ(out.str(), "Write config file Error : Invalid number of towns.\n");
    EXPECT_EQ(file.find("\n2 "), std::string::npos);
    EXPECT_NE(file.find("\n1 0              0  "), std::string::npos);

    // Read back: the count is refused, then no town can be selected.
    OwnedConfig back;
    fixture::ReadRun run = fixture::ReadBytes(file, back.cfg);
    EXPECT_EQ(run.messages,
              "Read config file Error : Invalid number of towns.\n"
              "Error : Selected town out of range");
    EXPECT_EQ(run.result, kReadSelectedOutOfRange);
}

TEST(WriteConfig, WrittenFileReadsBackToTheSameRecords) {
    SampleConfig s;
    TempFolder folder;
    StringSink out;
    ASSERT_TRUE(WriteConfig(folder.Folder(), s.cfg, 1, out));

    OwnedConfig back;
    StringSink messages;
    ASSERT_EQ(ReadConfig(folder.Folder(), back.cfg, messages), kReadOk);
    // Every value comes back: written again, the file is the same.
    EXPECT_EQ(ComposeConfigFile(back.cfg, back.cfg.TownSelected, out), folder.Read("data.cfg"));
    EXPECT_EQ(folder.Read("read_echo.cfg"), kTranscriptionHeading + folder.Read("data.cfg"));
    // And exactly, not only to the digits written.
    EXPECT_EQ(back.cfg.TownTable[0]->longitude, 2.352222);
    EXPECT_EQ(back.cfg.TownTable[3]->latitude, -53.163833);
    EXPECT_EQ(back.cfg.Conventions[4].ZuhrHour, 13.25);
    // The selected town is applied; Verbose 1 prints where we are.
    EXPECT_EQ(messages.str(),
              "Lieu actuel : \nLieu : Algerie, Alger\n"
              "latitude= 36\xB0"
              "45'14\"   longitude=  3\xB0"
              "03'32\"\nConvention 2\n");
}

// The program's line, then the file and a reason from the system.
void ExpectRefusal(const std::string& out, const std::u16string& path) {
    const std::string head =
        "File open error for writing data.cfg\nWrite config file Error : " + Utf16ToCp1252(path) +
        " : ";
    EXPECT_EQ(out.rfind(head, 0), 0u) << out;
    EXPECT_GT(out.size(), head.size() + 1) << "no reason: " << out;
}

TEST(WriteConfig, AFailedSaveLeavesTheOldFileByteForByte) {
    SampleConfig s;
    TempFolder folder;
    const std::string old = "1 1 0 0\n2 France Paris 48.85 2.35 1 1 0\n";
    folder.Write("data.cfg", old);

    testsupport::UnwritableFiles unwritable;
    testsupport::UnreplaceableFiles unreplaceable;
    for (const FileOps* ops :
         {static_cast<const FileOps*>(&unwritable), static_cast<const FileOps*>(&unreplaceable)}) {
        StringSink out;
        EXPECT_FALSE(WriteConfig(folder.Folder(), s.cfg, 0, out, *ops));
        ExpectRefusal(out.str(), folder.Folder() + u"data.cfg");
        EXPECT_EQ(folder.Read("data.cfg"), old);
        // Nothing but the file and its lock.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.File("")), {}), 2);
    }
}

TEST(WriteConfig, AFolderThatCannotBeWrittenIsReported) {
    SampleConfig s;
    TempFolder folder;
    StringSink out;
    SaveFailure failure;
    EXPECT_FALSE(
        WriteConfig(folder.Folder() + u"missing/", s.cfg, 0, out, PlatformFileOps(), &failure));
    ExpectRefusal(out.str(), folder.Folder() + u"missing/data.cfg.lock");
#ifndef _WIN32
    EXPECT_EQ(failure.reason, "No such file or directory");
#endif
}

TEST(WriteConfig, AnIncompleteTableIsNotSaved) {
    SampleConfig s;
    s.table[1] = nullptr;
    TempFolder folder;
    folder.Write("data.cfg", "old");
    StringSink out;
    EXPECT_FALSE(WriteConfig(folder.Folder(), s.cfg, 0, out));
    EXPECT_EQ(out.str(),
              "Write config file Error : Town table incomplete, data.cfg not written.\n");
    EXPECT_EQ(folder.Read("data.cfg"), "old");
}

}  // namespace
}  // namespace veloranth

namespace veloranth {
namespace {

// The town table shipped with the programs is exactly what the writer produces, so a
// save changes nothing but the selected town.
TEST(ShippedConfig, ReadsCleanlyAndIsInTheWritersLayout) {
    std::string shipped = fixture::DataFile("../../../data/data.cfg");
    OwnedConfig o;
    fixture::ReadRun run = fixture::ReadBytes(shipped, o.cfg);
    ASSERT_EQ(run.result, kReadOk) << run.messages;
    EXPECT_EQ(run.messages, "");
    EXPECT_GE(o.cfg.NumberOfTowns, 60);
    EXPECT_STREQ(o.cfg.SelectedTown().Name, "Paris");
    EXPECT_EQ(run.transcription, kTranscriptionHeading + shipped);
    StringSink out;
    EXPECT_EQ(ComposeConfigFile(o.cfg, o.cfg.TownSelected, out), shipped);
    for (int i = 0; i < o.cfg.NumberOfTowns; ++i) {
        const Town& t = *o.cfg.TownTable[i];
        EXPECT_TRUE(t.Convention >= 0 && t.Convention < kConventionCount) << t.Name;
        EXPECT_TRUE(t.DST == 0 || t.DST == 1 || t.DST == 2) << t.Name;
    }
}

}  // namespace
}  // namespace veloranth
