#include "agent/logic/version_flags.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionFlags, MeIsFourNinetyOnTheNinexPlatform) {
    EXPECT_TRUE(ComputeVersionFlags(KB_PLATFORM_WIN32_WINDOWS, 4, 90).is_windows_me);
    EXPECT_FALSE(ComputeVersionFlags(KB_PLATFORM_WIN32_WINDOWS, 4, 10).is_windows_me);
    EXPECT_FALSE(ComputeVersionFlags(KB_PLATFORM_WIN32_NT, 4, 90).is_windows_me);
    EXPECT_FALSE(ComputeVersionFlags(KB_PLATFORM_WIN32_WINDOWS, 4, 90).is_windows_xp);
}

TEST(VersionFlags, XpIsFiveOneOrLaterWithinFiveOnNt) {
    EXPECT_TRUE(ComputeVersionFlags(KB_PLATFORM_WIN32_NT, 5, 1).is_windows_xp);
    EXPECT_TRUE(ComputeVersionFlags(KB_PLATFORM_WIN32_NT, 5, 2).is_windows_xp);
    EXPECT_FALSE(ComputeVersionFlags(KB_PLATFORM_WIN32_NT, 5, 0).is_windows_xp);
    EXPECT_FALSE(ComputeVersionFlags(KB_PLATFORM_WIN32_NT, 6, 1).is_windows_xp);
    EXPECT_FALSE(ComputeVersionFlags(KB_PLATFORM_WIN32_WINDOWS, 5, 1).is_windows_xp);
}

}  // namespace
