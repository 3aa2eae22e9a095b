// ReadConfig: each file of data/reads is a data.cfg with the result, the messages, and
// optionally the transcription and lines of the file written back (alone, or following one
// another), that reading it must give. Both readers (8-bit and UTF-16) must read it the
// same way. The cases that need a file system set-up of their own follow.
#include "config/reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <vector>

#include "base/codepage.h"
#include "config/tests/config_fixture.h"
#include "config/writer.h"

namespace veloranth {
namespace {

using fixture::ReadBytes;
using fixture::ReadRun;
using fixture::TempFolder;

// "=== name" lines open the sections; a section's text runs to the next one.
std::map<std::string, std::string> Sections(const std::string& text) {
    std::map<std::string, std::string> sections;
    std::string* current = nullptr;
    for (std::size_t p = 0; p < text.size();) {
        std::size_t end = text.find('\n', p);
        end = end == std::string::npos ? text.size() : end + 1;
        std::string line = text.substr(p, end - p);
        if (line.rfind("=== ", 0) == 0) {
            current = &sections[line.substr(4, line.size() - 5)];
        } else if (current != nullptr) {
            *current += line;
        }
        p = end;
    }
    return sections;
}

std::vector<std::string> CaseFiles() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator("data/reads")) {
        files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

class ReadCase : public ::testing::TestWithParam<std::string> {};

TEST_P(ReadCase, ReadsAsItSays) {
    auto s = Sections(fixture::DataFile("reads/" + GetParam()));
    const std::string& bytes = s["data.cfg"];
    std::string messages =
        s.count("messages") ? s["messages"] : s["messages (no final line break)"];
    if (s.count("messages (no final line break)")) {
        messages.pop_back();
    }
    OwnedConfig o;
    o.cfg.CurrentTimeZone = -99;  // what a failed read must leave alone
    ReadRun run = ReadBytes(bytes, o.cfg);
    int result = -1;
    for (const auto& [name, text] : s) {
        if (name.rfind("result ", 0) == 0) {
            result = std::stoi(name.substr(7));
        }
    }
    EXPECT_EQ(run.result, result);
    EXPECT_EQ(run.messages, messages);
    if (s.count("echo")) {
        EXPECT_EQ(run.transcription, kTranscriptionHeading + s["echo"]);
    }
    EXPECT_EQ(o.cfg.CurrentTimeZone == -99, run.result != kReadOk);
    if (s.count("written") + s.count("written together")) {
        StringSink out;
        std::string file = ComposeConfigFile(o.cfg, o.cfg.TownSelected, out);
        std::istringstream lines(s["written"]);
        std::size_t after = 0;  // each line after the one before it
        for (std::string line; std::getline(lines, line);) {
            after = file.find("\n" + line + "\n", after);
            ASSERT_NE(after, std::string::npos) << line << "\n" << file;
            ++after;
        }
        EXPECT_NE(file.find(s["written together"]), std::string::npos);  // in that order
    }

    // The plug-in's reader: the same notices, the same transcription.
    fixture::CollectingReporter narrowNotices, wideNotices;
    AppConfig narrow;
    WideAppConfig wide;
    std::string narrowEcho;
    std::u16string wideEcho;
    EXPECT_EQ(ParseConfig<char>(bytes, narrow, narrowEcho, HeapTownAllocator(), narrowNotices),
              run.result);
    EXPECT_EQ(ParseConfig<char16_t>(Cp1252ToUtf16(bytes), wide, wideEcho, HeapTownAllocator(),
                                    wideNotices),
              run.result);
    EXPECT_EQ(narrowNotices.notices, wideNotices.notices);
    EXPECT_EQ(Utf16ToCp1252(wideEcho), run.transcription);
    ReleaseTownTable(narrow, HeapTownAllocator());
    ReleaseTownTable(wide, HeapTownAllocator());
}

INSTANTIATE_TEST_SUITE_P(Reads, ReadCase, ::testing::ValuesIn(CaseFiles()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param.substr(0, info.param.rfind('.'));
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

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
    folder.Write("data.cfg", "1 1 0 0\n2 France Paris 48.85 2.35 1 1 0\n");
    std::filesystem::create_directory(folder.File("read_echo.cfg"));
    OwnedConfig o;
    StringSink out;
    EXPECT_EQ(ReadConfig(folder.Folder(), o.cfg, out), kReadEchoFailed);
    EXPECT_EQ(out.str(), "read_echo.cfg file open error\n");
    EXPECT_EQ(o.cfg.NumberOfTowns, 0);
}

}  // namespace
}  // namespace veloranth
