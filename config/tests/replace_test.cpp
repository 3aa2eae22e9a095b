// The edit lock of data.cfg, in both builds: a save waits while another edit holds it,
// for as long as its wait allows, reads the file again and keeps what the other edit
// wrote; taking the lock clears what killed saves left. (Modes, links and the command
// line's wait: cli/tests/edits_test.sh.)
#include "config/edit_lock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "config/reader.h"
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
    EXPECT_TRUE(ConfigEditLock(folder.Folder() + u"data.cfg", SleepingWait(0)).Held());
    for (const Case& c : cases) {
        EXPECT_EQ(folder.Exists(c.name), !c.leftover) << c.name;
    }
    EXPECT_TRUE(folder.Exists("data.cfg.tmp-Dir123"));
    EXPECT_TRUE(folder.Exists("data.cfg.lock"));  // stays: another edit may wait on it
}

// "Sauve config" reads the file again under the lock. While another edit holds it, the save
// waits (a wait that ends first saves nothing), then keeps what that edit wrote. A file
// that stops at a line, or has lost the town chosen, is not saved over; one that is gone
// is written from what the program read at its start.
TEST(SaveTownChoice, ReadsTheFileAgainUnderTheLock) {
    TempFolder folder;
    const std::string paris = "2 France Paris 48.85 2.35 1 1 0\n", lyon = "2 F Lyon 45 4 1 1 0\n";
    folder.Write("data.cfg", "1 2 0 0\n" + paris + lyon);
    OwnedConfig program;
    StringSink out;
    ASSERT_EQ(ReadConfig(folder.Folder(), program.cfg, out), kReadOk);
    SaveFailure failure;
    for (auto [file, problem] : {std::pair{"1 2 0 0\n" + paris + "99 x\n" + lyon,
                                           SaveProblem::kUnreadable},
                                 {"1 1 0 0\n" + paris, SaveProblem::kTownGone}}) {
        folder.Write("data.cfg", file);
        EXPECT_FALSE(SaveTownChoice(folder.Folder(), program.cfg, 1, SleepingWait(0), out,
                                    PlatformFileOps(), &failure));
        EXPECT_EQ(failure.problem, problem);
        EXPECT_EQ(folder.Read("data.cfg"), file);
    }
    std::filesystem::remove(folder.File("data.cfg"));
    EXPECT_TRUE(SaveTownChoice(folder.Folder(), program.cfg, 1, SleepingWait(0), out));
    EXPECT_EQ(folder.Read("data.cfg"), ComposeConfigFile(program.cfg, 1, out));

    std::atomic<bool> saved{false};
    std::thread save;
    {
        ConfigEditLock held(folder.Folder() + u"data.cfg", SleepingWait(0));
        EXPECT_FALSE(SaveTownChoice(folder.Folder(), program.cfg, 1, SleepingWait(100), out,
                                    PlatformFileOps(), &failure));
        EXPECT_EQ(failure.problem, SaveProblem::kBusy);
        save = std::thread([&] {
            StringSink quiet;
            saved = SaveTownChoice(folder.Folder(), program.cfg, 1, SleepingWait(60000), quiet);
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_FALSE(saved);
        folder.Write("data.cfg", "1 3 0 0\n" + paris + lyon + "2 Maroc Fes 34 -5 0 0 0\n");
    }
    save.join();
    OwnedConfig after;
    ASSERT_EQ(ReadConfig(folder.Folder(), after.cfg, out), kReadOk);
    EXPECT_TRUE(saved && after.cfg.NumberOfTowns == 3 && after.cfg.TownSelected == 1);
}

}  // namespace
}  // namespace veloranth
