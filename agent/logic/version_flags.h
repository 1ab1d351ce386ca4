// The two platform flags the agent keeps, from what GetVersionExA reports.
#pragma once

#include <cstdint>

constexpr uint32_t KB_PLATFORM_WIN32_WINDOWS = 1;  // Windows 95, 98, ME
constexpr uint32_t KB_PLATFORM_WIN32_NT = 2;

struct VersionFlags {
    bool is_windows_me;  // Media Select starts the player of ME
    bool is_windows_xp;  // a receiver's arrival installs the filters at once
};

// ME is 4.90 and later on the 9x platform; XP is 5.1 and later within major version 5 on NT
// (5.0 and 6.x set neither).
VersionFlags ComputeVersionFlags(uint32_t platform, uint32_t major, uint32_t minor);
