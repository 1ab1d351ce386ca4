#include "agent/logic/version_flags.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionFlags, MeIsFourNinetyOnTheNinexPlatform) {
    EXPECT_TRUE(ComputeVersionFlags(KB_PLATFORM_WIN32_WINDOWS, 4, 90).IsWindowsMe);
    EXPECT_FALSE(ComputeVersionFlags(KB_PLATFORM_WIN32_WINDOWS, 4, 10).IsWindowsMe);
    EXPECT_FALSE(ComputeVersionFlags(KB_PLATFORM_WIN32_NT, 4, 90).IsWindowsMe);
    EXPECT_FALSE(ComputeVersionFlags(KB_PLATFORM_WIN32_WINDOWS, 4, 90).IsWindowsXp);
}

TEST(VersionFlags, XpIsFiveOneOrLaterWithinFiveOnNt) {
    EXPECT_TRUE(ComputeVersionFlags(KB_PLATFORM_WIN32_NT, 5, 1).IsWindowsXp);
    EXPECT_TRUE(ComputeVersionFlags(KB_PLATFORM_WIN32_NT, 5, 2).IsWindowsXp);
    EXPECT_FALSE(ComputeVersionFlags(KB_PLATFORM_WIN32_NT, 5, 0).IsWindowsXp);
    EXPECT_FALSE(ComputeVersionFlags(KB_PLATFORM_WIN32_NT, 6, 1).IsWindowsXp);
    EXPECT_FALSE(ComputeVersionFlags(KB_PLATFORM_WIN32_WINDOWS, 5, 1).IsWindowsXp);
}

}  // namespace
