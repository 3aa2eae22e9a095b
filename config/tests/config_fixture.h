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

namespace veloranth::fixture {

// A fresh folder, removed with everything in it at the end of the test.
class TempFolder {
  public:
    TempFolder() {
        static int counter = 0;
        auto base = std::filesystem::temp_directory_path();
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("veloranth-") + (info ? info->name() : "test") + "-" +
                           std::to_string(++counter);
        path_ = base / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    // The folder with its trailing separator, as the platform gives a module's folder.
    std::u16string Folder() const { return (path_ / "").u16string(); }
    std::filesystem::path File(const char* name) const { return path_ / name; }

    void Write(const char* name, const std::string& bytes) const {
        std::ofstream(File(name), std::ios::binary) << bytes;
    }
    std::string Read(const char* name) const {
        std::ifstream in(File(name), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool Exists(const char* name) const { return std::filesystem::exists(File(name)); }

  private:
    std::filesystem::path path_;
};

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

// Releases the towns a test's configuration holds at the end of the test.
struct OwnedConfig {
    AppConfig cfg;
    ~OwnedConfig() { ReleaseTownTable(cfg, HeapTownAllocator()); }
};

}  // namespace veloranth::fixture
