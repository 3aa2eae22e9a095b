// The edit lock of data.cfg, in both builds: a save waits while another edit holds it,
// and taking it clears what killed saves left. (Modes and links: cli/tests/edits_test.sh.)
#include "config/edit_lock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "config/writer.h"
#include "testsupport/temp_folder.h"

namespace veloranth {
namespace {

using testsupport::TempFolder;

TEST(ConfigEditLock, RemovesOnlyWhatKilledSavesLeft) {
    struct Case {
        const char* name;
        bool leftover;
    } cases[] = {
        {"data.cfg.tmp-Ab12Cd", true},   {"data.cfg.tmp-000000", true},
        {"data.cfg.new", true},  // the fixed name of earlier versions
        {"data.cfg.tmp-Ab12C", false},   {"data.cfg.tmp-Ab12Cde", false},
        {"data.cfg.tmp-Ab_2Cd", false},  {"data.cfg.tmp-Ab12Cd.bak", false},
        {"xdata.cfg.tmp-Ab12Cd", false}, {"data.cfg", false},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        folder.Write(c.name, "x");
    }
    std::filesystem::create_directory(folder.File("data.cfg.tmp-Dir123"));  // not a file
    EXPECT_TRUE(ConfigEditLock(folder.Folder() + u"data.cfg").Held());
    for (const Case& c : cases) {
        EXPECT_EQ(folder.Exists(c.name), !c.leftover) << c.name;
    }
    EXPECT_TRUE(folder.Exists("data.cfg.tmp-Dir123"));
    EXPECT_TRUE(folder.Exists("data.cfg.lock"));  // stays: another edit may wait on it
}

// "Sauve config" (WriteConfig) while another edit holds the lock: it waits, then saves.
TEST(ConfigEditLock, ASaveWaitsForTheEditHoldingIt) {
    TempFolder folder;
    folder.Write("data.cfg", "old");
    AppConfig empty;
    std::atomic<bool> saved{false};
    std::thread save;
    {
        ConfigEditLock held(folder.Folder() + u"data.cfg");
        ASSERT_TRUE(held.Held());
        save = std::thread([&] {
            StringSink out;
            saved = WriteConfig(folder.Folder(), empty, 0, out);
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_FALSE(saved);
        EXPECT_EQ(folder.Read("data.cfg"), "old");
    }
    save.join();
    EXPECT_TRUE(saved);
    EXPECT_NE(folder.Read("data.cfg"), "old");
}

}  // namespace
}  // namespace veloranth
