// Temporary folders with a data.cfg of the test's choosing, and the reader run on them.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "config/parser.h"
#include "config/reader.h"
#include "testsupport/temp_folder.h"

namespace veloranth::fixture {

using testsupport::TempFolder;

// A committed test file, read in binary.
inline std::string DataFile(const std::string& name) {
    std::ifstream in("data/" + name, std::ios::binary);
    EXPECT_TRUE(in) << "data/" << name;
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// ReadConfig on a data.cfg holding `bytes`.
struct ReadRun {
    ReadResult result;
    std::string messages;
    std::string transcription;
};

inline ReadRun ReadBytes(const std::string& bytes, AppConfig& cfg) {
    TempFolder folder;
    folder.Write("data.cfg", bytes);
    StringSink out;
    ReadRun run;
    run.result = ReadConfig(folder.Folder(), cfg, out);
    run.messages = out.str();
    run.transcription = folder.Read("read_echo.cfg");
    return run;
}

// Keeps the notices a parse gave.
class CollectingReporter : public ReadReporter {
  public:
    void Notice(ReadNotice notice, const NoticeDetails&) override { notices.push_back(notice); }
    std::vector<ReadNotice> notices;
};

}  // namespace veloranth::fixture
