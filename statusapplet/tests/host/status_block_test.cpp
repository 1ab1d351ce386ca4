#include "statusapplet/logic/status_block.h"

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

namespace {

using applet::kStatusBlockSize;
using applet::ReadStatusBlock;

std::vector<uint8_t> Block(size_t size, uint8_t header_low, uint8_t fill) {
    std::vector<uint8_t> block(size, fill);
    if (size > 0) block[0] = header_low;
    if (size > 1) block[1] = 0;
    return block;
}

TEST(StatusBlock, AZeroAndFortyBytesReplaceTheTableWhateverFollowsThem) {
    for (size_t size : {kStatusBlockSize, kStatusBlockSize + 1, kStatusBlockSize + 100}) {
        std::vector<uint8_t> block = Block(size, 0, 0x5A);
        block[2 + 5 * DEVICE_MOUSE] = 0x81;
        RF_DATA table = {};
        ASSERT_TRUE(ReadStatusBlock(block.data(), block.size(), &table)) << size;
        EXPECT_EQ(table.Record[DEVICE_MOUSE].State, 0x81) << size;
        EXPECT_EQ(table.Record[DEVICE_SPACE_BALL].Flags, 0x5A) << size;
    }
}

TEST(StatusBlock, AnythingElseLeavesTheTableAlone) {
    RF_DATA table = {};
    table.Record[0].State = 0x81;
    const RF_DATA before = table;
    const struct {
        std::vector<uint8_t> block;
        const char* what;
    } cases[] = {
        {Block(kStatusBlockSize - 1, 0, 0x11), "one byte short"},
        {Block(2, 0, 0x11), "the header alone"},
        {Block(kStatusBlockSize, 1, 0x11), "a header that is not 0"},
        {{0x00, 0x01, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11,
          0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11,
          0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11},
         "a header whose high byte is not 0"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(ReadStatusBlock(c.block.data(), c.block.size(), &table)) << c.what;
        EXPECT_EQ(std::memcmp(&table, &before, sizeof table), 0) << c.what;
    }
    EXPECT_FALSE(ReadStatusBlock(nullptr, kStatusBlockSize, &table)) << "no data";
}

}  // namespace
