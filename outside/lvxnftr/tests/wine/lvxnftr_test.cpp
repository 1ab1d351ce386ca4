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
    static constexpr const char* Service = KB_COMPANION_SERVICE_NAME;
    static constexpr const char* File = KB_COMPANION_TEST_FILE_NAME;
};

class Companion : public winetest::DriverSuite<CompanionDriver> {
protected:
    static DeviceHandle Open(bool overlapped = false) { return DeviceHandle(KB_COMPANION_USER_PATH, overlapped); }

    static LVX_KEPT_STATE Kept(const DeviceHandle& device) {
        return winetest::ReceiveRecord<LVX_KEPT_STATE>(device, IOCTL_LVX_TEST_GET_STATE);
    }

    static void Feed(const DeviceHandle& device) {
        ASSERT_TRUE(SendControl(device, IOCTL_LVX_TEST_FEED_ACTIVITY, {}, 0).Ok);
    }
};

TEST_F(Companion, KeepsTheLockByteAndTheKeyFlagsSentThroughShortLivedHandles) {
    DeviceHandle reader = Open(true);  // the agent's reader stays open meanwhile
    ASSERT_TRUE(reader.valid()) << "error " << reader.open_error();
    const struct {
        BYTE LockByte;
        DWORD Keys[4];
    } steps[] = {{0x80, {1, 0, 1, 0}}, {0x00, {0, 1, 0, 1}}, {0xC0, {0, 0, 0, 0}}};
    for (const auto& step : steps) {
        {
            DeviceHandle device = Open();
            ASSERT_TRUE(device.valid()) << "error " << device.open_error();
            const ControlResult lock = SendControl(device, IOCTL_SET_LOCK, {step.LockByte}, 0);
            EXPECT_TRUE(lock.Ok) << "error " << lock.Error;
            EXPECT_TRUE(lock.Output.empty());
        }
        {
            DeviceHandle device = Open();
            ASSERT_TRUE(device.valid());
            const ControlResult keys = SendControl(
                device, IOCTL_DISABLE_KEYS, DisableKeys(step.Keys[0], step.Keys[1], step.Keys[2], step.Keys[3]), 0);
            EXPECT_TRUE(keys.Ok) << "error " << keys.Error;
        }
        const LVX_KEPT_STATE kept = Kept(reader);
        EXPECT_EQ(kept.LockByte, step.LockByte);
        EXPECT_EQ(kept.DisabledKeys.CapsLock, step.Keys[0]);
        EXPECT_EQ(kept.DisabledKeys.LeftWindow, step.Keys[1]);
        EXPECT_EQ(kept.DisabledKeys.RightWindow, step.Keys[2]);
        EXPECT_EQ(kept.DisabledKeys.Application, step.Keys[3]);
    }
}

TEST_F(Companion, RequestsShortOfTheirInputAreRefusedAndChangeNothing) {
    DeviceHandle device = Open();
    ASSERT_TRUE(device.valid());
    ASSERT_TRUE(SendControl(device, IOCTL_SET_LOCK, {0x80}, 0).Ok);
    ASSERT_TRUE(SendControl(device, IOCTL_DISABLE_KEYS, DisableKeys(1, 1, 1, 1), 0).Ok);

    ControlResult lock = SendControl(device, IOCTL_SET_LOCK, {}, 0);
    EXPECT_FALSE(lock.Ok);
    EXPECT_EQ(lock.Error, DWORD(ERROR_INVALID_PARAMETER));
    std::vector<BYTE> fifteen = DisableKeys(0, 0, 0, 0);
    fifteen.pop_back();
    ControlResult keys = SendControl(device, IOCTL_DISABLE_KEYS, fifteen, 0);
    EXPECT_FALSE(keys.Ok);
    EXPECT_EQ(keys.Error, DWORD(ERROR_INVALID_PARAMETER));

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
    EXPECT_FALSE(unknown.Ok);
    EXPECT_EQ(unknown.Error, DWORD(ERROR_INVALID_FUNCTION));
    DWORD written = 0;
    const BYTE data[1] = {1};
    EXPECT_FALSE(WriteFile(device.get(), data, sizeof data, &written, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_FUNCTION));
}

struct ShippedCompanionDriver {
    static constexpr const char* Service = KB_COMPANION_SERVICE_NAME;
    static constexpr const char* File = "lvxnftr.sys";
};

class ShippedCompanion : public winetest::DriverSuite<ShippedCompanionDriver> {};

// What a user copies carries no back door: the test variant's requests are refused like any
// other unknown request, and the lock byte still works.
TEST_F(ShippedCompanion, RefusesTheTestRequestsAndTakesTheLockByte) {
    DeviceHandle device(KB_COMPANION_USER_PATH);
    ASSERT_TRUE(device.valid()) << "error " << device.open_error();
    for (DWORD code : {IOCTL_LVX_TEST_FEED_ACTIVITY, IOCTL_LVX_TEST_GET_STATE}) {
        const ControlResult result = SendControl(device, code, {}, sizeof(LVX_KEPT_STATE));
        EXPECT_FALSE(result.Ok) << "control code 0x" << std::hex << code;
        EXPECT_EQ(result.Error, DWORD(ERROR_INVALID_FUNCTION)) << "control code 0x" << std::hex << code;
        EXPECT_TRUE(result.Output.empty());
    }
    EXPECT_TRUE(SendControl(device, IOCTL_SET_LOCK, {0x80}, 0).Ok);
}

}  // namespace
