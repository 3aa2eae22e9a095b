// A fresh folder under the system's temporary folder for one test, unique to the process
// (so that two test runs on one machine never share it), removed with what it holds.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#ifdef _WIN32
#include <process.h>
#define VELORANTH_PROCESS_ID _getpid()
#else
#include <unistd.h>
#define VELORANTH_PROCESS_ID getpid()
#endif

namespace veloranth::testsupport {

class TempFolder {
  public:
    TempFolder() {
        static int counter = 0;
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "veloranth-" + std::to_string(VELORANTH_PROCESS_ID) + "-" +
                           (info ? info->name() : "test") + "-" + std::to_string(++counter);
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

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

}  // namespace veloranth::testsupport
