#include "agent/logic/version_flags.h"

VersionFlags ComputeVersionFlags(uint32_t platform, uint32_t major, uint32_t minor) {
    VersionFlags flags = {};
    flags.is_windows_me = platform == KB_PLATFORM_WIN32_WINDOWS && major == 4 && minor >= 90;
    flags.is_windows_xp = platform == KB_PLATFORM_WIN32_NT && major == 5 && minor >= 1;
    return flags;
}
