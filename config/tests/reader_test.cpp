// ReadConfig: the messages of every failure and what survives it, the comment and flag
// quirks of hand-edited files, and each case a careless edit can produce.
#include "config/reader.h"

#include <gtest/gtest.h>

#include <cmath>

#include "config/tests/config_fixture.h"

namespace veloranth {
namespace {

using fixture::OwnedConfig;
using fixture::ReadBytes;
using fixture::ReadRun;
using fixture::TempFolder;

const std::string kHeading = kTranscriptionHeading;
const std::string kTwoTowns =
    "1 2 1 0\n"
    "2 France Paris 48.85 2.35 1 1 0\n"
    "2 Tunisie Tunis 36.8 10.18 1 0 4\n";

TEST(ReadConfig, MissingFileChangesNothing) {
    TempFolder folder;
    OwnedConfig o;
    o.cfg.Verbose = 7;
    StringSink out;
    EXPECT_EQ(ReadConfig(folder.Folder(), o.cfg, out), kReadOpenFailed);
    EXPECT_EQ(out.str(), "File open error data.cfg\n");
    EXPECT_EQ(o.cfg.Verbose, 7);
    EXPECT_FALSE(folder.Exists("read_echo.cfg"));
}

TEST(ReadConfig, TranscriptionThatCannotBeCreatedChangesNothing) {
    TempFolder folder;
    folder.Write("data.cfg", kTwoTowns);
    std::filesystem::create_directory(folder.File("read_echo.cfg"));
    OwnedConfig o;
    StringSink out;
    EXPECT_EQ(ReadConfig(folder.Folder(), o.cfg, out), kReadEchoFailed);
    EXPECT_EQ(out.str(), "read_echo.cfg file open error\n");
    EXPECT_EQ(o.cfg.NumberOfTowns, 0);
}

TEST(ReadConfig, ValidFileSelectsItsTown) {
    OwnedConfig o;
    ReadRun run = ReadBytes(kTwoTowns, o.cfg);
    EXPECT_EQ(run.result, kReadOk);
    EXPECT_EQ(run.messages, "");
    EXPECT_EQ(o.cfg.CurrentConvention, 4);
    EXPECT_EQ(o.cfg.CurrentTimeZone, 1);
    EXPECT_EQ(o.cfg.CurrentDst, 0);
    EXPECT_EQ(o.cfg.LatitudeRad, 36.8 * 0.017453292519943295);
    EXPECT_EQ(run.transcription, kHeading +
                                     "1 2              1             0      \n"
                                     "2 France           Paris            48.850000   2.350000    "
                                     "1        1   0 \n"
                                     "2 Tunisie          Tunis            36.800000   10.180000   "
                                     "1        0   4 \n");
}

TEST(ReadConfig, EmptyFileSelectsNothing) {
    OwnedConfig o;
    ReadRun run = ReadBytes("", o.cfg);
    EXPECT_EQ(run.result, kReadSelectedOutOfRange);
    EXPECT_EQ(run.messages, "Error : Selected town out of range");
    EXPECT_EQ(run.transcription, kHeading);
}

TEST(ReadConfig, UnknownLineTypeStopsAtOnce) {
    OwnedConfig o;
    ReadRun run = ReadBytes(
        "1 1 0 0\n3 2 1 19.5 17.5 0.8333 0 0 0 12\n6 oops\n"
        "2 France Paris 48.85 2.35 1 1 0\n4 2 5 5 5 5 5 5\n",
        o.cfg);
    EXPECT_EQ(run.result, kReadFormatError);
    EXPECT_EQ(run.messages, "ReadError !!! on data.cfg\n");
    EXPECT_EQ(o.cfg.Conventions[2].FajrTwilightAngle, 19.5);  // read before the bad line
    EXPECT_EQ(o.cfg.Conventions[2].FajrOffset, 0);            // after it: not read
    EXPECT_EQ(o.cfg.TownTable[0], nullptr);
    EXPECT_EQ(o.cfg.LatitudeRad, 0);
    EXPECT_EQ(run.transcription.substr(run.transcription.size() - 3), "\n6 ");
}

TEST(ReadConfig, TownCountMismatchKeepsTheRecordsButSelectsNothing) {
    OwnedConfig o;
    o.cfg.CurrentTimeZone = -9;
    ReadRun run = ReadBytes(
        "1 3 0 0\n2 France Paris 48.85 2.35 1 1 0\n"
        "2 France Lyon 45.76 4.83 1 1 0\n5 1 \"Apres\"\n",
        o.cfg);
    EXPECT_EQ(run.result, kReadTownCountMismatch);
    EXPECT_EQ(run.messages, "Number of towns does not match NTowns\n");
    EXPECT_STREQ(o.cfg.TownTable[1]->Name, "Lyon");
    EXPECT_STREQ(o.cfg.Conventions[1].Name, "Apres");
    EXPECT_EQ(o.cfg.CurrentTimeZone, -9);
}

TEST(ReadConfig, SelectedTownOutOfRangeHasNoLineBreak) {
    OwnedConfig o;
    ReadRun run = ReadBytes("1 1 1 0\n2 France Paris 48.85 2.35 1 1 0\n", o.cfg);
    EXPECT_EQ(run.result, kReadSelectedOutOfRange);
    EXPECT_EQ(run.messages, "Error : Selected town out of range");
    o.cfg.TownSelected = -1;
    EXPECT_FALSE(o.cfg.HasSelectedTown());
}

TEST(ReadConfig, CommentLinesReappearUnchanged) {
    OwnedConfig o;
    const std::string longComment = "8 " + std::string(250, 'x') + "\n";
    ReadRun run = ReadBytes("8text right after the eight\n" + longComment +
                                "8 c\nplain text after a comment\n8\n" + kTwoTowns,
                            o.cfg);
    EXPECT_EQ(run.result, kReadOk);
    EXPECT_EQ(run.transcription.substr(0, run.transcription.find("\n1 ") + 1),
              kHeading + "8text right after the eight\n" +
                  // 199 characters at a time: the rest is one more comment, its first
                  // character where the blank was.
                  "8 " + std::string(198, 'x') + "8" + std::string(52, 'x') + "\n" +
                  "8 c\n8plain text after a comment\n8\n");
}

TEST(ReadConfig, FlagsOtherThanOneAreFalseButTranscribedAsRead) {
    OwnedConfig o;
    ReadRun run = ReadBytes(kTwoTowns + "3 4 2 18 17 0.8333 5 90 -1 12.5\n", o.cfg);
    EXPECT_EQ(run.result, kReadOk);
    const Convention& k = o.cfg.Conventions[4];
    EXPECT_FALSE(k.AsrShafi);
    EXPECT_FALSE(k.IshaIsMaghribPlus);
    EXPECT_FALSE(k.ZuhrFixe);
    EXPECT_EQ(k.IshaMaghribMinutes, 90);
    EXPECT_NE(run.transcription.find("\n3 4          2               18                17      "
                                     "          0.8333           5                    90    -1 "
                                     "      12.5000000     \n"),
              std::string::npos)
        << run.transcription;
}

TEST(ReadConfig, RealsInEveryDecimalForm) {
    OwnedConfig o;
    ReadRun run = ReadBytes(kTwoTowns +
                                "3 0 1 1e1 +17.5 .8333 0 0 0 13.25\n"
                                "4 0 -2 0x1p1 1E-1 5. 0 inf\n",
                            o.cfg);
    EXPECT_EQ(run.result, kReadOk);
    const Convention& k = o.cfg.Conventions[0];
    EXPECT_EQ(k.FajrTwilightAngle, 10);
    EXPECT_EQ(k.IshaTwilightAngle, 17.5);
    EXPECT_EQ(k.SunriseSetAngle, 0.8333);
    EXPECT_EQ(k.ZuhrHour, 13.25);
    EXPECT_EQ(k.FajrOffset, -2);
    EXPECT_EQ(k.ChouroukOffset, 2);
    EXPECT_EQ(k.ZuhrOffset, 0.1);
    EXPECT_EQ(k.AsrOffset, 5);
    EXPECT_TRUE(std::isinf(k.IshaOffset));
}

TEST(ReadConfig, ConventionNameBetweenTheQuotes) {
    OwnedConfig o;
    ReadRun run =
        ReadBytes(kTwoTowns + "5 3 \"Deux mots\"\n5 7\"Sans blanc\"\n5 2   \"\"\n", o.cfg);
    EXPECT_EQ(run.result, kReadOk);
    EXPECT_STREQ(o.cfg.Conventions[3].Name, "Deux mots");
    EXPECT_STREQ(o.cfg.Conventions[7].Name, "Sans blanc");
    EXPECT_STREQ(o.cfg.Conventions[2].Name, "");
    EXPECT_NE(run.transcription.find("\n5 3         \"Deux mots\"\n"), std::string::npos);
}

TEST(ReadConfig, ConventionOnlyNamedKeepsZeroRules) {
    OwnedConfig o;
    ReadBytes(kTwoTowns + "5 6 \"Seulement un nom\"\n", o.cfg);
    const Convention& k = o.cfg.Conventions[6];
    EXPECT_EQ(k.FajrTwilightAngle, 0);
    EXPECT_EQ(k.SunriseSetAngle, 0);
    EXPECT_FALSE(k.AsrShafi);
    EXPECT_EQ(k.IshaOffset, 0);
}

// ---- what careless edits produce ---------------------------------------------------

TEST(ReadConfig, TownLinesBeforeTheHeaderAreCountedNotStored) {
    OwnedConfig o;
    ReadRun run = ReadBytes("2 France Paris 48.85 2.35 1 1 0\n1 1 0 0\n", o.cfg);
    EXPECT_EQ(run.result, kReadTownCountMismatch);
    EXPECT_EQ(run.messages,
              "Read config file Error : Town 0 (Paris) comes before the header line, not used.\n"
              "Number of towns does not match NTowns\n");
    EXPECT_EQ(o.cfg.TownTable[0], nullptr);
}

TEST(ReadConfig, TownLinesBeyondTheCountAreCountedNotStored) {
    OwnedConfig o;
    ReadRun run = ReadBytes(kTwoTowns + "2 Maroc Rabat 34.02 -6.84 1 0 0\n", o.cfg);
    EXPECT_EQ(run.result, kReadTownCountMismatch);
    EXPECT_EQ(run.messages,
              "Read config file Error : Town 2 (Rabat) is beyond NumberOfTowns, not used.\n"
              "Number of towns does not match NTowns\n");
    EXPECT_NE(run.transcription.find("Rabat"), std::string::npos);
}

TEST(ReadConfig, ConventionIndexOutsideTheTableWritesNothing) {
    OwnedConfig o;
    ReadRun run = ReadBytes(kTwoTowns +
                                "3 9 1 18 17 0.8333 0 0 0 12\n4 -1 1 2 3 4 5 6\n"
                                "5 2147483647 \"Loin\"\n",
                            o.cfg);
    EXPECT_EQ(run.result, kReadOk);
    EXPECT_EQ(run.messages,
              "Read config file Error : Convention index 9 out of range (0 to 8), line not used.\n"
              "Read config file Error : Convention index -1 out of range (0 to 8), line not used.\n"
              "Read config file Error : Convention index 2147483647 out of range (0 to 8), line "
              "not used.\n");
    for (const Convention& k : o.cfg.Conventions) {
        EXPECT_EQ(k.FajrTwilightAngle, 0);
        EXPECT_EQ(k.FajrOffset, 0);
        EXPECT_STREQ(k.Name, "");
    }
}

TEST(ReadConfig, TownConventionOutsideTheTableIsReported) {
    OwnedConfig o;
    ReadRun run = ReadBytes("1 1 0 0\n2 France Paris 48.85 2.35 1 1 12\n", o.cfg);
    EXPECT_EQ(run.result, kReadOk);
    EXPECT_EQ(run.messages,
              "Read config file Error : Convention 12 of town Paris out of range (0 to 8).\n");
}

TEST(ReadConfig, NameLineWithoutTwoQuotesStoresNoName) {
    OwnedConfig o;
    ReadRun run =
        ReadBytes(kTwoTowns + "5 1 \"Nom\"\n5 1 \"Pas ferme\n5 1 Sans guillemets\n", o.cfg);
    EXPECT_EQ(
        run.messages,
        "Read config file Error : Name of convention 1 not between double quotes, not used.\n"
        "Read config file Error : Name of convention 1 not between double quotes, not used.\n");
    EXPECT_STREQ(o.cfg.Conventions[1].Name, "Nom");
}

TEST(ReadConfig, NamesLongerThan79CharactersAreCut) {
    OwnedConfig o;
    const std::string longWord(100, 'L');
    const std::string kept(79, 'L');
    ReadRun run = ReadBytes("1 1 0 0\n2 " + longWord + " " + longWord +
                                "x 48.85 2.35 1 1 0\n5 0 \"" + longWord + "\"\n",
                            o.cfg);
    EXPECT_EQ(run.result, kReadOk);
    EXPECT_EQ(std::string(o.cfg.TownTable[0]->Country), kept);
    EXPECT_EQ(std::string(o.cfg.TownTable[0]->Name), kept);
    EXPECT_EQ(o.cfg.TownTable[0]->longitude, 2.35);  // the columns after the name are intact
    EXPECT_EQ(std::string(o.cfg.Conventions[0].Name), kept);
    const std::string message =
        "Read config file Error : Name longer than 79 characters, cut to " + kept + "\n";
    EXPECT_EQ(run.messages, message + message + message);
}

TEST(ReadConfig, TextWhereALineTypeBelongsIsAFormatError) {
    for (const char* bytes : {"hello\n1 1 0 0\n", "1 1 0 0 junk\n2 France Paris 48.85 2.35 1 1 0\n",
                              "1 1 0 0\n2 France Paris north 2.35 1 1 0\n", "-\n", "+ 1\n"}) {
        OwnedConfig o;
        ReadRun run = ReadBytes(bytes, o.cfg);
        EXPECT_EQ(run.result, kReadFormatError) << bytes;
        EXPECT_EQ(run.messages, "ReadError !!! on data.cfg\n") << bytes;
    }
}

TEST(ReadConfig, WindowsLineEndsReadAsLineEnds) {
    OwnedConfig o;
    ReadRun run = ReadBytes(
        "8 comment\r\n1 1 0 0\r\n5 0 \"Nom\"\r\n2 France Paris 48.85 2.35 1 1 0\r\n", o.cfg);
    EXPECT_EQ(run.result, kReadOk);
    EXPECT_STREQ(o.cfg.Conventions[0].Name, "Nom");
    EXPECT_EQ(run.transcription.find('\r'), std::string::npos);
}

TEST(ReadConfig, HugeTownCountIsRefusedLikeAFailedAllocation) {
    OwnedConfig o;
    ReadRun run = ReadBytes("1 2000000000 0 0\n2 France Paris 48.85 2.35 1 1 0\n", o.cfg);
    EXPECT_EQ(run.result, kReadAllocationFailed);
    EXPECT_EQ(run.messages, "Read config file Error : Not enough memory for the towns.\n");
    EXPECT_EQ(o.cfg.NumberOfTowns, 0);
    EXPECT_EQ(o.cfg.TownTable, nullptr);
}

}  // namespace
}  // namespace veloranth
