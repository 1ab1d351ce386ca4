// The companion filter's stand-in, started as a service, answering at "\\.\LVXNFLTR" as the
// agent and the applet meet it: the lock byte and the key-disable flags kept as sent, 1-byte
// reads that wait for keyboard activity, and the one pending read ended by CancelIo or by
// closing its handle.
#include <windows.h>
#include <winioctl.h>

#include <vector>

#include <gtest/gtest.h>

#include "common/control_interface.h"
#include "outside/lvxnftr/companion_interface.h"
#include "tools/winetest/device_io.h"
#include "tools/winetest/driver_suite.h"

namespace {

using winetest::ControlResult;
using winetest::DeviceHandle;
using winetest::NT_STATUS_CANCELLED;
using winetest::NT_STATUS_SUCCESS;
using winetest::PendingRead;
using winetest::SendControl;
using winetest::WAIT_LIMIT_MS;

std::vector<BYTE> DisableKeys(DWORD caps, DWORD left, DWORD right, DWORD application) {
    DISABLE_KEYS_INPUT input = {caps, left, right, application};
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&input);
    return std::vector<BYTE>(bytes, bytes + sizeof input);
}

struct CompanionDriver {
    static constexpr const char* kService = KB_COMPANION_SERVICE_NAME;
    static constexpr const char* kFile = KB_COMPANION_TEST_FILE_NAME;
};

class Companion : public winetest::DriverSuite<CompanionDriver> {
protected:
    static DeviceHandle Open(bool overlapped = false) { return DeviceHandle(KB_COMPANION_USER_PATH, overlapped); }

    static LVX_KEPT_STATE Kept(const DeviceHandle& device) {
        return winetest::ReceiveRecord<LVX_KEPT_STATE>(device, IOCTL_LVX_TEST_GET_STATE);
    }

    static void Feed(const DeviceHandle& device) {
        ASSERT_TRUE(SendControl(device, IOCTL_LVX_TEST_FEED_ACTIVITY, {}, 0).ok);
    }
};

TEST_F(Companion, KeepsTheLockByteAndTheKeyFlagsSentThroughShortLivedHandles) {
    DeviceHandle reader = Open(true);  // the agent's reader stays open meanwhile
    ASSERT_TRUE(reader.valid()) << "error " << reader.open_error();
    const struct {
        BYTE lock_byte;
        DWORD keys[4];
    } steps[] = {{0x80, {1, 0, 1, 0}}, {0x00, {0, 1, 0, 1}}, {0xC0, {0, 0, 0, 0}}};
    for (const auto& step : steps) {
        {
            DeviceHandle device = Open();
            ASSERT_TRUE(device.valid()) << "error " << device.open_error();
            const ControlResult lock = SendControl(device, IOCTL_SET_LOCK, {step.lock_byte}, 0);
            EXPECT_TRUE(lock.ok) << "error " << lock.error;
            EXPECT_TRUE(lock.output.empty());
        }
        {
            DeviceHandle device = Open();
            ASSERT_TRUE(device.valid());
            const ControlResult keys = SendControl(
                device, IOCTL_DISABLE_KEYS, DisableKeys(step.keys[0], step.keys[1], step.keys[2], step.keys[3]), 0);
            EXPECT_TRUE(keys.ok) << "error " << keys.error;
        }
        const LVX_KEPT_STATE kept = Kept(reader);
        EXPECT_EQ(kept.LockByte, step.lock_byte);
        EXPECT_EQ(kept.DisabledKeys.CapsLock, step.keys[0]);
        EXPECT_EQ(kept.DisabledKeys.LeftWindow, step.keys[1]);
        EXPECT_EQ(kept.DisabledKeys.RightWindow, step.keys[2]);
        EXPECT_EQ(kept.DisabledKeys.Application, step.keys[3]);
    }
}

TEST_F(Companion, RequestsShortOfTheirInputAreRefusedAndChangeNothing) {
    DeviceHandle device = Open();
    ASSERT_TRUE(device.valid());
    ASSERT_TRUE(SendControl(device, IOCTL_SET_LOCK, {0x80}, 0).ok);
    ASSERT_TRUE(SendControl(device, IOCTL_DISABLE_KEYS, DisableKeys(1, 1, 1, 1), 0).ok);

    ControlResult lock = SendControl(device, IOCTL_SET_LOCK, {}, 0);
    EXPECT_FALSE(lock.ok);
    EXPECT_EQ(lock.error, DWORD(ERROR_INVALID_PARAMETER));
    std::vector<BYTE> fifteen = DisableKeys(0, 0, 0, 0);
    fifteen.pop_back();
    ControlResult keys = SendControl(device, IOCTL_DISABLE_KEYS, fifteen, 0);
    EXPECT_FALSE(keys.ok);
    EXPECT_EQ(keys.error, DWORD(ERROR_INVALID_PARAMETER));

    const LVX_KEPT_STATE kept = Kept(device);
    EXPECT_EQ(kept.LockByte, 0x80);
    EXPECT_EQ(kept.DisabledKeys.CapsLock, 1u);
    EXPECT_EQ(kept.DisabledKeys.Application, 1u);
}

TEST_F(Companion, ReadWaitsForKeyboardActivity) {
    DeviceHandle reader = Open(true), feeder = Open();
    ASSERT_TRUE(reader.valid() && feeder.valid());
    PendingRead read(reader, 1);
    ASSERT_TRUE(read.pending()) << "error " << read.error();
    EXPECT_FALSE(read.Finished(200)) << "a read completed with no keyboard activity";
    Feed(feeder);
    ASSERT_TRUE(read.Finished(WAIT_LIMIT_MS));
    EXPECT_EQ(read.status(), NT_STATUS_SUCCESS);
    EXPECT_EQ(read.bytes(), 1u);
    EXPECT_EQ(read.data()[0], LVX_ACTIVITY_RECORD);
}

TEST_F(Companion, ActivityFedWhileNobodyReadsWaitsForTheNextReads) {
    DeviceHandle reader = Open(true), feeder = Open();
    ASSERT_TRUE(reader.valid() && feeder.valid());
    Feed(feeder);
    Feed(feeder);
    for (int i = 0; i < 2; ++i) {
        PendingRead read(reader, 1);
        ASSERT_TRUE(read.Finished(WAIT_LIMIT_MS)) << "record " << i;
        EXPECT_EQ(read.bytes(), 1u) << "record " << i;
    }
    PendingRead third(reader, 1);
    EXPECT_TRUE(third.pending()) << "only two activities were fed";
    ASSERT_TRUE(CancelIo(reader.get()));
    ASSERT_TRUE(third.Finished(WAIT_LIMIT_MS));
    EXPECT_EQ(third.status(), NT_STATUS_CANCELLED);
}

TEST_F(Companion, ReadWithNoRoomCompletesAtOnceAndTakesNoRecord) {
    DeviceHandle reader = Open(true), feeder = Open();
    ASSERT_TRUE(reader.valid() && feeder.valid());
    Feed(feeder);
    PendingRead no_room(reader, 0);
    ASSERT_TRUE(no_room.Finished(WAIT_LIMIT_MS)) << "error " << no_room.error();
    EXPECT_EQ(no_room.status(), NT_STATUS_SUCCESS);
    EXPECT_EQ(no_room.bytes(), 0u);
    PendingRead read(reader, 1);
    ASSERT_TRUE(read.Finished(WAIT_LIMIT_MS)) << "the fed record was lost";
    EXPECT_EQ(read.bytes(), 1u);
}

TEST_F(Companion, SecondReadIsRefusedWhileOneIsPending) {
    DeviceHandle reader = Open(true), other = Open(true);
    ASSERT_TRUE(reader.valid() && other.valid());
    PendingRead first(reader, 1);
    ASSERT_TRUE(first.pending());
    PendingRead second(other, 1);
    EXPECT_FALSE(second.pending());
    EXPECT_EQ(second.error(), DWORD(ERROR_GEN_FAILURE));
    PendingRead no_room(other, 0);
    EXPECT_FALSE(no_room.pending());
    EXPECT_EQ(no_room.error(), DWORD(ERROR_GEN_FAILURE)) << "a read with no room is refused too";
    ASSERT_TRUE(CancelIo(reader.get()));
    ASSERT_TRUE(first.Finished(WAIT_LIMIT_MS));
    EXPECT_EQ(first.status(), NT_STATUS_CANCELLED);
}

TEST_F(Companion, ClosingTheHandleEndsItsPendingReadAndFreesThePlace) {
    DeviceHandle reader = Open(true), next_reader = Open(true), feeder = Open();
    ASSERT_TRUE(reader.valid() && next_reader.valid() && feeder.valid());
    PendingRead read(reader, 1);
    ASSERT_TRUE(read.pending());
    reader.Close();
    ASSERT_TRUE(read.Finished(WAIT_LIMIT_MS)) << "the read outlived its handle";
    EXPECT_EQ(read.status(), NT_STATUS_CANCELLED);

    PendingRead next(next_reader, 1);
    ASSERT_TRUE(next.pending()) << "the closed handle's read still holds the place: error " << next.error();
    Feed(feeder);
    ASSERT_TRUE(next.Finished(WAIT_LIMIT_MS));
    EXPECT_EQ(next.bytes(), 1u) << "the activity went to the live reader";
}

TEST_F(Companion, OtherRequestsAreRefused) {
    DeviceHandle device = Open();
    ASSERT_TRUE(device.valid());
    const ControlResult unknown =
        SendControl(device, CTL_CODE(FILE_DEVICE_UNKNOWN, 0x8FF, METHOD_BUFFERED, FILE_ANY_ACCESS), {1}, 0);
    EXPECT_FALSE(unknown.ok);
    EXPECT_EQ(unknown.error, DWORD(ERROR_INVALID_FUNCTION));
    DWORD written = 0;
    const BYTE data[1] = {1};
    EXPECT_FALSE(WriteFile(device.get(), data, sizeof data, &written, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_FUNCTION));
}

struct ShippedCompanionDriver {
    static constexpr const char* kService = KB_COMPANION_SERVICE_NAME;
    static constexpr const char* kFile = "lvxnftr.sys";
};

class ShippedCompanion : public winetest::DriverSuite<ShippedCompanionDriver> {};

// What a user copies carries no back door: the test variant's requests are refused like any
// other unknown request, and the lock byte still works.
TEST_F(ShippedCompanion, RefusesTheTestRequestsAndTakesTheLockByte) {
    DeviceHandle device(KB_COMPANION_USER_PATH);
    ASSERT_TRUE(device.valid()) << "error " << device.open_error();
    for (DWORD code : {IOCTL_LVX_TEST_FEED_ACTIVITY, IOCTL_LVX_TEST_GET_STATE}) {
        const ControlResult result = SendControl(device, code, {}, sizeof(LVX_KEPT_STATE));
        EXPECT_FALSE(result.ok) << "control code 0x" << std::hex << code;
        EXPECT_EQ(result.error, DWORD(ERROR_INVALID_FUNCTION)) << "control code 0x" << std::hex << code;
        EXPECT_TRUE(result.output.empty());
    }
    EXPECT_TRUE(SendControl(device, IOCTL_SET_LOCK, {0x80}, 0).ok);
}

}  // namespace
