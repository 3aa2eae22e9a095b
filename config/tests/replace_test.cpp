// Safe replacement of data.cfg: what an edit leaves in the folder, and what it keeps of
// the file it replaces (permissions, a symbolic link).
#include "config/file_ops.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "config/edit_lock.h"
#include "testsupport/temp_folder.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace veloranth {
namespace {

namespace fs = std::filesystem;
using testsupport::TempFolder;

TEST(ConfigEditLock, RemovesOnlyWhatKilledSavesLeft) {
    struct Case {
        const char* name;
        bool leftover;
    } cases[] = {
        {"data.cfg.tmp-Ab12Cd", true},
        {"data.cfg.tmp-000000", true},
        {"data.cfg.new", true},  // the fixed name of earlier versions
        {"data.cfg.tmp-Ab12C", false},
        {"data.cfg.tmp-Ab12Cde", false},
        {"data.cfg.tmp-Ab_2Cd", false},
        {"data.cfg.tmp-Ab12Cd.bak", false},
        {"xdata.cfg.tmp-Ab12Cd", false},
        {"data.cfg.bak", false},
        {"data.cfg", false},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        folder.Write(c.name, "x");
    }
    fs::create_directory(folder.File("data.cfg.tmp-Dir123"));  // not a file: not ours
    {
        ConfigEditLock lock(folder.Folder() + u"data.cfg");
        ASSERT_TRUE(lock.Held());
    }
    for (const Case& c : cases) {
        EXPECT_EQ(folder.Exists(c.name), !c.leftover) << c.name;
    }
    EXPECT_TRUE(folder.Exists("data.cfg.tmp-Dir123"));
    EXPECT_TRUE(folder.Exists("data.cfg.lock"));  // stays: another edit may wait on it
}

TEST(ReplaceWholeFile, LeavesOnlyTheNewFile) {
    TempFolder folder;
    folder.Write("data.cfg", "old");
    SaveFailure failure;
    for (const char* content : {"new", "newer"}) {
        ASSERT_TRUE(ReplaceWholeFile(folder.Folder() + u"data.cfg", content, failure));
        EXPECT_EQ(folder.Read("data.cfg"), content);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.File("")), {}), 1);
}

#ifndef _WIN32
mode_t ModeOf(const fs::path& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(ReplaceWholeFile, KeepsTheModeOrGivesANewFileTheUsualOne) {
    TempFolder folder;
    folder.Write("data.cfg", "old");
    SaveFailure failure;
    for (mode_t mode : {0600, 0640, 0444}) {
        ASSERT_EQ(chmod(folder.File("data.cfg").c_str(), mode), 0);
        ASSERT_TRUE(ReplaceWholeFile(folder.Folder() + u"data.cfg", "new", failure));
        EXPECT_EQ(ModeOf(folder.File("data.cfg")), mode);
    }
    mode_t old = umask(027);
    ASSERT_TRUE(ReplaceWholeFile(folder.Folder() + u"fresh.cfg", "new", failure));
    umask(old);
    EXPECT_EQ(ModeOf(folder.File("fresh.cfg")), 0640u);
}

// A dotfile manager's link: the edit goes to the file it points to, the link stays, and
// the lock and the temporary files are beside that file.
TEST(ReplaceWholeFile, WritesTheTargetOfASymbolicLink) {
    TempFolder folder;
    fs::create_directories(folder.File("dotfiles/veloranth"));
    folder.Write("dotfiles/veloranth/data.cfg", "old");
    fs::create_directory(folder.File("config"));
    fs::create_symlink("../dotfiles/veloranth/data.cfg", folder.File("config/link"));
    fs::create_symlink("link", folder.File("config/data.cfg"));  // a chain of two
    const std::u16string path = folder.Folder() + u"config/data.cfg";
    folder.Write("dotfiles/veloranth/data.cfg.tmp-Ab12Cd", "left by a killed save");
    {
        ConfigEditLock lock(path);
        SaveFailure failure;
        ASSERT_TRUE(ReplaceWholeFile(path, "new", failure));
    }
    EXPECT_TRUE(fs::is_symlink(folder.File("config/data.cfg")));
    EXPECT_EQ(folder.Read("dotfiles/veloranth/data.cfg"), "new");
    EXPECT_TRUE(folder.Exists("dotfiles/veloranth/data.cfg.lock"));
    EXPECT_FALSE(folder.Exists("dotfiles/veloranth/data.cfg.tmp-Ab12Cd"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.File("config")), {}), 2);
}
#endif

}  // namespace
}  // namespace veloranth
