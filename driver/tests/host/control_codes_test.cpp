// The control codes as user mode meets them: buffer sizes, the lock byte, the mode byte, codes
// the driver does not handle and requests that come without their input.
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "driver/decode/control_codes.h"

namespace {

struct Driver {
    RF_DATA Table = {};
    uint8_t Mode = 2;

    // The system buffer of a buffered request is as large as the larger of the two lengths.
    ControlOutcome Send(uint32_t code, std::vector<uint8_t> input, uint32_t output_length, std::vector<uint8_t>* output = nullptr) {
        const auto input_length = static_cast<uint32_t>(input.size());
        std::vector<uint8_t> buffer(std::max<size_t>(input_length, output_length), 0xEE);
        std::copy(input.begin(), input.end(), buffer.begin());
        ControlOutcome outcome = HandleControlCode(code, buffer.empty() ? nullptr : buffer.data(), input_length,
                                                   output_length, ControlTarget{Table, Mode});
        if (output) *output = buffer;
        return outcome;
    }
};

RF_DATA SampleTable() {
    RF_DATA table = {};
    for (int i = 0; i < DEVICE_KIND_COUNT; ++i) table.Record[i] = {uint8_t(0x80 | (i & 1)), uint8_t(i), uint16_t(0x100 + i), uint8_t(0x21)};
    return table;
}

TEST(GetRfData, OutputSizeDecidesWhatIsReturned) {
    const struct {
        uint32_t OutputLength;
        uint32_t Bytes;
        bool TooSmall;
    } cases[] = {{0, 0, true}, {39, 0, true}, {40, 40, false}, {64, 40, false}};
    for (const auto& c : cases) {
        Driver driver;
        driver.Table = SampleTable();
        std::vector<uint8_t> output;
        const ControlOutcome outcome = driver.Send(IOCTL_GET_RF_DATA, {}, c.OutputLength, &output);
        EXPECT_EQ(outcome.Status, ControlStatus::Success) << c.OutputLength;
        EXPECT_EQ(outcome.BytesReturned, c.Bytes) << c.OutputLength;
        EXPECT_EQ(outcome.RfBufferTooSmall, c.TooSmall) << c.OutputLength;
        if (c.Bytes) {
            EXPECT_EQ(std::memcmp(output.data(), &driver.Table, sizeof(RF_DATA)), 0);
            for (size_t i = sizeof(RF_DATA); i < output.size(); ++i) EXPECT_EQ(output[i], 0xEE) << "byte " << i;
        } else {
            for (uint8_t b : output) EXPECT_EQ(b, 0xEE) << "a too-short buffer is written";
        }
    }
}

TEST(SetLock, OnlyBitSevenOfTheLockByteCounts) {
    const struct {
        uint8_t LockByte;
        bool Locked;
    } cases[] = {{0x80, true}, {0xFF, true}, {0x90, true}, {0x7F, false}, {0x10, false}, {0x00, false}};
    for (const auto& c : cases) {
        for (uint8_t before : {uint8_t(0x00), uint8_t(0x10)}) {
            Driver driver;
            driver.Table = SampleTable();
            for (RF_RECORD& r : driver.Table.Record) r.Flags = uint8_t(0x21 | before);
            const ControlOutcome outcome = driver.Send(IOCTL_SET_LOCK, {c.LockByte}, 0);
            EXPECT_EQ(outcome.Status, ControlStatus::Success);
            EXPECT_EQ(outcome.BytesReturned, 0u);
            for (int i = 0; i < DEVICE_KIND_COUNT; ++i) {
                EXPECT_EQ(driver.Table.Record[i].Flags, c.Locked ? 0x31 : 0x21)
                    << "lock byte 0x" << std::hex << int(c.LockByte) << ", record " << i;
                EXPECT_EQ(driver.Table.Record[i].Channel, i) << "only Flags change";
            }
        }
    }
}

TEST(SetMode, StoresTheInputByte) {
    Driver driver;
    EXPECT_EQ(driver.Send(IOCTL_SET_MODE, {7}, 0).Status, ControlStatus::Success);
    EXPECT_EQ(driver.Mode, 7);
    EXPECT_EQ(driver.Send(IOCTL_SET_MODE, {0, 9}, 0).Status, ControlStatus::Success);
    EXPECT_EQ(driver.Mode, 0);
}

// The buffer is null here, as the system gives it for a request with no input and no output:
// reading the missing byte would crash the test.
TEST(MissingInput, IsRefusedAndChangesNothing) {
    for (uint32_t code : {IOCTL_SET_LOCK, IOCTL_SET_MODE}) {
        Driver driver;
        driver.Table = SampleTable();
        const ControlOutcome outcome = driver.Send(code, {}, 0);
        EXPECT_EQ(outcome.Status, ControlStatus::MissingInput) << std::hex << code;
        EXPECT_EQ(outcome.BytesReturned, 0u);
        const RF_DATA expected = SampleTable();
        EXPECT_EQ(std::memcmp(&driver.Table, &expected, sizeof expected), 0) << std::hex << code;
        EXPECT_EQ(driver.Mode, 2);
    }
}

TEST(OtherCodes, SucceedWithNoEffect) {
    for (uint32_t code : {IOCTL_DISABLE_KEYS, 0x222010u, 0x220000u, 0u, 0xFFFFFFFFu}) {
        Driver driver;
        driver.Table = SampleTable();
        std::vector<uint8_t> output;
        const ControlOutcome outcome = driver.Send(code, std::vector<uint8_t>(16, 1), 8, &output);
        EXPECT_EQ(outcome.Status, ControlStatus::Success) << std::hex << code;
        EXPECT_EQ(outcome.BytesReturned, 0u) << std::hex << code;
        const RF_DATA expected = SampleTable();
        EXPECT_EQ(std::memcmp(&driver.Table, &expected, sizeof expected), 0) << std::hex << code;
        EXPECT_EQ(driver.Mode, 2);
    }
}

}  // namespace
