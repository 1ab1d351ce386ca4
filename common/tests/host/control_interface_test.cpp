// The driver's control interface is a wire format shared by the kernel and two programs: its
// records must keep their packed sizes and offsets, and its control codes their values.
#include <cstddef>
#include <cstring>

#include <gtest/gtest.h>

#include "common/control_interface.h"

TEST(ControlInterface, RecordsHaveTheirWireSizesAndOffsets) {
    EXPECT_EQ(sizeof(RF_RECORD), 5u);
    EXPECT_EQ(sizeof(RF_DATA), 40u);
    EXPECT_EQ(sizeof(EVENT_RECORD), 2u);
    EXPECT_EQ(sizeof(DISABLE_KEYS_INPUT), 16u);
    EXPECT_EQ(offsetof(RF_RECORD, State), 0u);
    EXPECT_EQ(offsetof(RF_RECORD, Channel), 1u);
    EXPECT_EQ(offsetof(RF_RECORD, Id), 2u);
    EXPECT_EQ(offsetof(RF_RECORD, Flags), 4u);
    EXPECT_EQ(offsetof(RF_DATA, Record[DEVICE_MOUSE]), 10u);
}

TEST(ControlInterface, StatusTableReadsAsLittleEndianBytes) {
    const unsigned char wire[5] = {0x81, 0x05, 0x34, 0x02, 0x10};
    RF_RECORD record;
    std::memcpy(&record, wire, sizeof record);
    EXPECT_EQ(record.State, 0x81);
    EXPECT_EQ(record.Channel, 5);
    EXPECT_EQ(record.Id, 0x234);
    EXPECT_EQ(record.Flags, RF_FLAG_LOCK);
}

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
