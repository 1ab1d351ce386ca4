// The driver's control interface is shared by the kernel and the programs: its control codes
// must keep their values (the records' sizes and offsets are held by static asserts where they
// are declared).
#include <gtest/gtest.h>

#include "common/control_interface.h"

TEST(ControlInterface, ControlCodesAreBuiltFromTypeFunctionMethodAndAccess) {
    EXPECT_EQ(kb_ctl_code(0x22, 0x800, 0, 0), 0x222000u);
    EXPECT_EQ(IOCTL_GET_RF_DATA, 0x222000u);
    EXPECT_EQ(IOCTL_SET_LOCK, 0x222004u);
    EXPECT_EQ(IOCTL_DISABLE_KEYS, 0x222008u);
    EXPECT_EQ(IOCTL_SET_MODE, 0x22200cu);
    // Method and access land in their own bits, away from the function number.
    EXPECT_EQ(kb_ctl_code(0x22, 0x800, 3, 0), 0x222003u);
    EXPECT_EQ(kb_ctl_code(0x22, 0x800, 0, 3), 0x22e000u);
}
