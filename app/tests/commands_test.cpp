// The addresses the Help and update commands open.
#include "app/commands.h"

#include <gtest/gtest.h>

namespace veloranth::app {
namespace {

TEST(UpdateCheckAddress, EndsWithTheVersion) {
    std::wstring address = UpdateCheckAddress();
    const std::wstring tail = L"/checkversion.php?ppcversion=1.40";
    ASSERT_GT(address.size(), tail.size());
    EXPECT_EQ(address.substr(address.size() - tail.size()), tail);
    EXPECT_EQ(address.rfind(L"https://", 0), 0u);
}

TEST(HelpFilePath, BesideTheExecutable) {
    EXPECT_EQ(HelpFilePath(L"\\Program Files\\X\\Veloranth.exe"), L"\\Program Files\\X\\help.html");
    EXPECT_EQ(HelpFilePath(L"Z:\\work\\Veloranth.exe"), L"Z:\\work\\help.html");
}

}  // namespace
}  // namespace veloranth::app
