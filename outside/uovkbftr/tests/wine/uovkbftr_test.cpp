// The keyboard filter's stand-in, started as a service, answering at "\\.\UOVKBFTR" as the
// agent's reader 1 meets it: reads of up to 5 bytes that wait for a fed hot-key code, one read
// pending at a time, ended by CancelIo or by closing its handle; and the test variant's feed and
// count of completed reads, reached through the feed client.
#include <windows.h>
#include <winioctl.h>

#include <gtest/gtest.h>

#include "outside/uovkbftr/client/feed_client.h"
#include "outside/uovkbftr/keyboard_filter_interface.h"
#include "tools/winetest/device_io.h"
#include "tools/winetest/driver_suite.h"

namespace {

using winetest::BlockedReader;
using winetest::ControlResult;
using winetest::DeviceHandle;
using winetest::NT_STATUS_CANCELLED;
using winetest::NT_STATUS_SUCCESS;
using winetest::PendingRead;
using winetest::SendControl;
using winetest::UNTOUCHED;
using winetest::WAIT_LIMIT_MS;

struct KeyboardFilterTestDriver {
    static constexpr const char* kService = KB_KEYBOARD_FILTER_SERVICE_NAME;
    static constexpr const char* kFile = KB_KEYBOARD_FILTER_TEST_FILE_NAME;
};

class KeyboardFilter : public winetest::DriverSuite<KeyboardFilterTestDriver> {
protected:
    static DeviceHandle Open(bool overlapped = false) { return DeviceHandle(KB_KEYBOARD_FILTER_USER_PATH, overlapped); }

    static void Feed(BYTE code) {
        DWORD error = 0;
        ASSERT_TRUE(keyboard_filter::FeedCode(code, &error)) << "code " << int(code) << ": error " << error;
    }

    static uint32_t Completed() {
        uint32_t count = 0;
        DWORD error = 0;
        EXPECT_TRUE(keyboard_filter::CompletedReads(&count, &error)) << "error " << error;
        return count;
    }
};

// The agent's reader: a plain 5-byte read on a synchronous handle, opened as the agent opens it.
TEST_F(KeyboardFilter, BlockedFiveByteReadEndsWithTheFedCode) {
    DeviceHandle device = Open();
    ASSERT_TRUE(device.valid()) << "error " << device.open_error();
    const uint32_t before = Completed();
    BlockedReader reader(device.get(), KEYBOARD_FILTER_RECORD_SIZE);
    EXPECT_FALSE(reader.Finished(200)) << "a read completed with no code fed";
    Feed(21);
    ASSERT_TRUE(reader.Finished(WAIT_LIMIT_MS));
    ASSERT_TRUE(reader.ok()) << "error " << reader.error();
    ASSERT_EQ(reader.bytes(), KEYBOARD_FILTER_RECORD_SIZE);
    const BYTE expected[] = {21, 0, 0, 0, 0, UNTOUCHED};
    EXPECT_EQ(0, memcmp(reader.data(), expected, sizeof expected));
    EXPECT_EQ(Completed(), before + 1);
}

TEST_F(KeyboardFilter, CodesFedWhileNobodyReadsComeInOrderCutToEachRead) {
    DeviceHandle reader = Open(true);
    ASSERT_TRUE(reader.valid());
    const BYTE codes[] = {20, 23, 0, 255};
    for (BYTE code : codes) Feed(code);
    const DWORD lengths[] = {1, 5, 3, 8};
    for (int i = 0; i < 4; ++i) {
        PendingRead read(reader, lengths[i]);
        ASSERT_TRUE(read.Finished(WAIT_LIMIT_MS)) << "record " << i;
        EXPECT_EQ(read.status(), NT_STATUS_SUCCESS);
        const DWORD expected = lengths[i] < KEYBOARD_FILTER_RECORD_SIZE ? lengths[i] : KEYBOARD_FILTER_RECORD_SIZE;
        ASSERT_EQ(read.bytes(), expected) << "record " << i;
        EXPECT_EQ(read.data()[0], codes[i]) << "record " << i;
        for (DWORD b = 1; b < expected; ++b) EXPECT_EQ(read.data()[b], 0) << "record " << i << " byte " << b;
        EXPECT_EQ(read.data()[expected], UNTOUCHED) << "record " << i << ": written past the record";
    }
    PendingRead fifth(reader, KEYBOARD_FILTER_RECORD_SIZE);
    EXPECT_TRUE(fifth.pending()) << "only four codes were fed";
}

TEST_F(KeyboardFilter, FeedsBeyondTheWaitingLimitAreRefusedAndNoCodeIsLost) {
    for (uint32_t i = 0; i < UOV_WAITING_LIMIT; ++i) Feed(BYTE(i));
    DWORD error = 0;
    EXPECT_FALSE(keyboard_filter::FeedCode(99, &error));
    EXPECT_EQ(error, DWORD(ERROR_BUSY));
    DeviceHandle reader = Open(true);
    for (uint32_t i = 0; i < UOV_WAITING_LIMIT; ++i) {
        PendingRead read(reader, KEYBOARD_FILTER_RECORD_SIZE);
        ASSERT_TRUE(read.Finished(WAIT_LIMIT_MS)) << "record " << i;
        ASSERT_EQ(read.data()[0], BYTE(i));
    }
    PendingRead empty(reader, KEYBOARD_FILTER_RECORD_SIZE);
    EXPECT_TRUE(empty.pending()) << "the refused code was kept after all";
}

TEST_F(KeyboardFilter, ReadWithNoRoomCompletesAtOnceAndTakesNoCode) {
    DeviceHandle reader = Open(true);
    Feed(22);
    PendingRead no_room(reader, 0);
    ASSERT_TRUE(no_room.Finished(WAIT_LIMIT_MS)) << "error " << no_room.error();
    EXPECT_EQ(no_room.bytes(), 0u);
    PendingRead read(reader, KEYBOARD_FILTER_RECORD_SIZE);
    ASSERT_TRUE(read.Finished(WAIT_LIMIT_MS)) << "the fed code was lost";
    EXPECT_EQ(read.data()[0], 22);
}

TEST_F(KeyboardFilter, SecondReadIsRefusedAndCancelIoEndsTheFirstUncounted) {
    DeviceHandle reader = Open(true), other = Open(true);
    ASSERT_TRUE(reader.valid() && other.valid());
    const uint32_t before = Completed();
    PendingRead first(reader, KEYBOARD_FILTER_RECORD_SIZE);
    ASSERT_TRUE(first.pending());
    PendingRead second(other, KEYBOARD_FILTER_RECORD_SIZE);
    EXPECT_FALSE(second.pending());
    EXPECT_EQ(second.error(), DWORD(ERROR_GEN_FAILURE));
    ASSERT_TRUE(CancelIo(reader.get()));
    ASSERT_TRUE(first.Finished(WAIT_LIMIT_MS));
    EXPECT_EQ(first.status(), NT_STATUS_CANCELLED);
    EXPECT_EQ(Completed(), before);
}

TEST_F(KeyboardFilter, ClosingTheHandleEndsItsPendingReadAndFreesThePlace) {
    DeviceHandle reader = Open(true), next_reader = Open(true);
    ASSERT_TRUE(reader.valid() && next_reader.valid());
    PendingRead read(reader, KEYBOARD_FILTER_RECORD_SIZE);
    ASSERT_TRUE(read.pending());
    reader.Close();
    ASSERT_TRUE(read.Finished(WAIT_LIMIT_MS)) << "the read outlived its handle";
    EXPECT_EQ(read.status(), NT_STATUS_CANCELLED);

    PendingRead next(next_reader, KEYBOARD_FILTER_RECORD_SIZE);
    ASSERT_TRUE(next.pending()) << "the closed handle's read still holds the place: error " << next.error();
    Feed(20);
    ASSERT_TRUE(next.Finished(WAIT_LIMIT_MS));
    EXPECT_EQ(next.data()[0], 20) << "the code went to the live reader";
}

TEST_F(KeyboardFilter, MalformedAndOtherRequestsAreRefused) {
    DeviceHandle device = Open();
    ASSERT_TRUE(device.valid());
    const ControlResult no_code = SendControl(device, IOCTL_UOV_TEST_FEED_CODE, {}, 0);
    EXPECT_FALSE(no_code.ok);
    EXPECT_EQ(no_code.error, DWORD(ERROR_INVALID_PARAMETER));
    const ControlResult no_room = SendControl(device, IOCTL_UOV_TEST_GET_READ_COUNT, {}, 3);
    EXPECT_FALSE(no_room.ok);
    EXPECT_EQ(no_room.error, DWORD(ERROR_INSUFFICIENT_BUFFER));
    const ControlResult unknown =
        SendControl(device, CTL_CODE(FILE_DEVICE_UNKNOWN, 0x8FF, METHOD_BUFFERED, FILE_ANY_ACCESS), {1}, 0);
    EXPECT_FALSE(unknown.ok);
    EXPECT_EQ(unknown.error, DWORD(ERROR_INVALID_FUNCTION));
    DWORD written = 0;
    const BYTE data[1] = {1};
    EXPECT_FALSE(WriteFile(device.get(), data, sizeof data, &written, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_FUNCTION));
}

struct PlainKeyboardFilterDriver {
    static constexpr const char* kService = KB_KEYBOARD_FILTER_SERVICE_NAME;
    static constexpr const char* kFile = KB_KEYBOARD_FILTER_FILE_NAME;
};

class PlainKeyboardFilter : public winetest::DriverSuite<PlainKeyboardFilterDriver> {};

// Without the test requests the plain driver's reads just wait: nothing else can fill them.
TEST_F(PlainKeyboardFilter, RefusesTheTestRequestsAndItsReadWaits) {
    DWORD error = 0;
    EXPECT_FALSE(keyboard_filter::FeedCode(21, &error));
    EXPECT_EQ(error, DWORD(ERROR_INVALID_FUNCTION));
    uint32_t count = 0;
    EXPECT_FALSE(keyboard_filter::CompletedReads(&count, &error));
    EXPECT_EQ(error, DWORD(ERROR_INVALID_FUNCTION));
    DeviceHandle reader(KB_KEYBOARD_FILTER_USER_PATH, true);
    PendingRead read(reader, KEYBOARD_FILTER_RECORD_SIZE);
    EXPECT_TRUE(read.pending()) << "error " << read.error();
}

}  // namespace
