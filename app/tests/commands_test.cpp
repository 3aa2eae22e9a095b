// The address the update check opens.
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

}  // namespace
}  // namespace veloranth::app
