#include "wheelhook/logic/stored_values.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A value shorter than its field (a REG_BINARY of two bytes, a one-letter text) changes only as
// many low bytes as it holds, as a read straight into the field does.
TEST(StoredValues, AShortValueReplacesOnlyTheLowBytesItHolds) {
    const uint8_t two[] = {0x34, 0x12};
    EXPECT_EQ(DwordFromValue(0xAABBCCDD, two, 2), 0xAABB1234u);
    const uint8_t four[] = {0x78, 0x56, 0x34, 0x12};
    EXPECT_EQ(DwordFromValue(0xAABBCCDD, four, 4), 0x12345678u);
}

// A command stored without its NUL, and one longer than the buffer, end inside the buffer; a
// NUL within the value ends the command there.
TEST(StoredValues, ACommandEndsAtItsNulOrTheBuffer) {
    char command[kCommandBufferSize];
    const std::string unterminated = "C:\\IE\\IEXPLORE.EXE";
    CommandFromValue(unterminated.data(), unterminated.size(), command);
    EXPECT_EQ(std::string(command), unterminated);
    const std::string cut("a.exe\0b", 7);
    CommandFromValue(cut.data(), cut.size(), command);
    EXPECT_EQ(std::string(command), "a.exe");
    const std::string long_path(300, 'p');
    CommandFromValue(long_path.data(), long_path.size(), command);
    EXPECT_EQ(std::string(command), long_path.substr(0, kCommandBufferSize - 1));
}

}  // namespace
