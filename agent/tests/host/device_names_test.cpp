#include "agent/logic/device_names.h"

#include <gtest/gtest.h>

namespace {

TEST(DeviceNames, ThePrefixesMatchWithoutRegardToCase) {
    EXPECT_TRUE(IsKeyboardInterfaceName("\\\\?\\HID#VID_1F3C&PID_3801&MI_00#7&1a2b&0&0000#{guid}"));
    EXPECT_FALSE(IsKeyboardInterfaceName("\\\\?\\Hid#Vid_1f3c&Pid_3801&MI_01&Col01#x"));
    EXPECT_TRUE(IsHotKeyInterfaceName("\\\\?\\hid#vid_1f3c&pid_3801&mi_01&col01#x"));
    EXPECT_FALSE(IsHotKeyInterfaceName("\\\\?\\Hid#Vid_1f3c&Pid_3801&MI_01&Col02#x"));
    EXPECT_FALSE(IsHotKeyInterfaceName("\\\\?\\Hid#Vid_1f3c"));
}

}  // namespace
