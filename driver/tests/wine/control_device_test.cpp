// The real uvxnftr.sys, started as a service, answering at "\\.\UVXNFLTR" as the agent and the
// applet meet it: several handles at once, the status table through buffers of several sizes,
// the lock byte, codes it does not handle, requests that come without their input, the one
// pending read (a second one refused, the first ended by CancelIo and by closing its handle),
// every other kind of request refused, unloading, and a load refused when the link name is taken.
#include <windows.h>
#include <winioctl.h>
#include <winternl.h>

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "common/control_interface.h"
#include "tools/winsupport/build_files.h"
#include "tools/winetest/device_io.h"
#include "tools/winsupport/driver_service.h"
#include "tools/winetest/driver_suite.h"

namespace {

using winetest::ControlResult;
using winetest::DeviceHandle;
using winetest::NT_STATUS_CANCELLED;
using winetest::NT_STATUS_SUCCESS;
using winetest::PendingRead;
using winetest::SendControl;
using winetest::WAIT_LIMIT_MS;

struct Keyfilter {
    static constexpr const char* kService = KB_FILTER_SERVICE_NAME;
    static constexpr const char* kFile = "uvxnftr.sys";
};

class ControlDevice : public winetest::DriverSuite<Keyfilter> {
protected:
    static DeviceHandle Open(bool overlapped = false) { return DeviceHandle(KB_FILTER_USER_PATH, overlapped); }

    static RF_DATA Table(const DeviceHandle& device) { return winetest::ReceiveRecord<RF_DATA>(device, IOCTL_GET_RF_DATA); }
};

TEST_F(ControlDevice, SeveralHandlesAreOpenAtOnce) {
    DeviceHandle agent = Open(), applet = Open(), third = Open(true);
    ASSERT_TRUE(agent.valid()) << "error " << agent.open_error();
    ASSERT_TRUE(applet.valid()) << "error " << applet.open_error();
    ASSERT_TRUE(third.valid()) << "error " << third.open_error();
    for (const DeviceHandle* device : {&agent, &applet, &third}) {
        EXPECT_TRUE(SendControl(*device, IOCTL_GET_RF_DATA, {}, sizeof(RF_DATA)).ok);
    }
}

TEST_F(ControlDevice, StatusTableNeedsFortyBytesOfOutput) {
    DeviceHandle device = Open();
    ASSERT_TRUE(device.valid()) << "error " << device.open_error();
    const struct {
        DWORD output_length;
        size_t bytes;
    } cases[] = {{39, 0}, {40, 40}, {64, 40}, {0, 0}};
    for (const auto& c : cases) {
        const ControlResult result = SendControl(device, IOCTL_GET_RF_DATA, {}, c.output_length);
        EXPECT_TRUE(result.ok) << c.output_length << " bytes: error " << result.error;
        EXPECT_EQ(result.output.size(), c.bytes) << c.output_length << "-byte buffer";
        for (size_t i = c.bytes; i < c.output_length; ++i) {
            EXPECT_EQ(result.buffer[i], winetest::UNTOUCHED) << "byte " << i << " of a " << c.output_length << "-byte buffer";
        }
    }
}

TEST_F(ControlDevice, LockByteSetsAndClearsTheLockBitOfEveryRecord) {
    DeviceHandle device = Open();
    ASSERT_TRUE(device.valid()) << "error " << device.open_error();
    const struct {
        BYTE lock_byte;
        BYTE flags;
    } cases[] = {{0x80, RF_FLAG_LOCK}, {0x7F, 0}, {0xC0, RF_FLAG_LOCK}, {0x00, 0}};
    for (const auto& c : cases) {
        const ControlResult result = SendControl(device, IOCTL_SET_LOCK, {c.lock_byte}, 0);
        ASSERT_TRUE(result.ok) << "error " << result.error;
        EXPECT_TRUE(result.output.empty());
        const RF_DATA table = Table(device);
        for (int i = 0; i < DEVICE_KIND_COUNT; ++i) {
            EXPECT_EQ(table.Record[i].Flags, c.flags) << "lock byte 0x" << std::hex << int(c.lock_byte) << ", record " << i;
            EXPECT_EQ(table.Record[i].State, 0) << "record " << i;
        }
    }
}

TEST_F(ControlDevice, CodesItDoesNotHandleSucceedWithNoEffect) {
    DeviceHandle device = Open();
    ASSERT_TRUE(device.valid()) << "error " << device.open_error();
    ASSERT_TRUE(SendControl(device, IOCTL_SET_LOCK, {0x80}, 0).ok);
    const RF_DATA before = Table(device);
    const DWORD unknown = CTL_CODE(FILE_DEVICE_UNKNOWN, 0x8FF, METHOD_BUFFERED, FILE_ANY_ACCESS);
    for (DWORD code : {DWORD(IOCTL_DISABLE_KEYS), unknown, DWORD(IOCTL_SET_MODE)}) {
        const ControlResult result = SendControl(device, code, std::vector<BYTE>(16, 1), 8);
        EXPECT_TRUE(result.ok) << std::hex << code << ": error " << std::dec << result.error;
        EXPECT_TRUE(result.output.empty()) << std::hex << code;
    }
    const RF_DATA after = Table(device);
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
    ASSERT_TRUE(SendControl(device, IOCTL_SET_LOCK, {0x00}, 0).ok);
}

TEST_F(ControlDevice, RequestsWithoutTheirInputByteAreRefusedAndChangeNothing) {
    DeviceHandle device = Open();
    ASSERT_TRUE(device.valid()) << "error " << device.open_error();
    ASSERT_TRUE(SendControl(device, IOCTL_SET_LOCK, {0x80}, 0).ok);
    for (DWORD code : {DWORD(IOCTL_SET_LOCK), DWORD(IOCTL_SET_MODE)}) {
        const ControlResult result = SendControl(device, code, {}, 0);
        EXPECT_FALSE(result.ok) << std::hex << code;
        EXPECT_EQ(result.error, DWORD(ERROR_INVALID_PARAMETER)) << std::hex << code;
    }
    const RF_DATA table = Table(device);
    for (int i = 0; i < DEVICE_KIND_COUNT; ++i) EXPECT_EQ(table.Record[i].Flags, RF_FLAG_LOCK) << "record " << i;
    ASSERT_TRUE(SendControl(device, IOCTL_SET_LOCK, {0x00}, 0).ok);
}

TEST_F(ControlDevice, ReadWaitsForAnEventAndASecondReadIsRefused) {
    DeviceHandle reader = Open(true), other = Open(true);
    ASSERT_TRUE(reader.valid() && other.valid());
    PendingRead first(reader, sizeof(EVENT_RECORD));
    ASSERT_TRUE(first.pending()) << "error " << first.error();
    EXPECT_FALSE(first.Finished(200)) << "a read with no event queued completed";

    PendingRead second(other, sizeof(EVENT_RECORD));
    EXPECT_FALSE(second.pending());
    EXPECT_EQ(second.error(), DWORD(ERROR_GEN_FAILURE)) << "a second read is refused";
    PendingRead same_handle(reader, sizeof(EVENT_RECORD));
    EXPECT_FALSE(same_handle.pending());
    EXPECT_EQ(same_handle.error(), DWORD(ERROR_GEN_FAILURE));
    PendingRead no_room(other, 0);
    EXPECT_FALSE(no_room.pending());
    EXPECT_EQ(no_room.error(), DWORD(ERROR_GEN_FAILURE)) << "a read with no room is refused too";

    EXPECT_FALSE(first.Finished(0)) << "the refusal touched the pending read";
    ASSERT_TRUE(CancelIo(reader.get()));
    ASSERT_TRUE(first.Finished(WAIT_LIMIT_MS));
}

TEST_F(ControlDevice, CancelIoEndsThePendingReadAndFreesItsPlace) {
    DeviceHandle reader = Open(true);
    ASSERT_TRUE(reader.valid());
    for (int round = 0; round < 3; ++round) {
        PendingRead read(reader, sizeof(EVENT_RECORD));
        ASSERT_TRUE(read.pending()) << "round " << round << ": error " << read.error();
        ASSERT_TRUE(CancelIo(reader.get()));
        ASSERT_TRUE(read.Finished(WAIT_LIMIT_MS)) << "round " << round;
        EXPECT_EQ(read.status(), NT_STATUS_CANCELLED);
        EXPECT_EQ(read.bytes(), 0u);
    }
}

TEST_F(ControlDevice, ClosingTheHandleEndsItsPendingRead) {
    DeviceHandle reader = Open(true), bystander = Open(true);
    ASSERT_TRUE(reader.valid() && bystander.valid());
    PendingRead read(reader, sizeof(EVENT_RECORD));
    ASSERT_TRUE(read.pending()) << "error " << read.error();
    reader.Close();
    ASSERT_TRUE(read.Finished(WAIT_LIMIT_MS)) << "the read outlived its handle";
    EXPECT_EQ(read.status(), NT_STATUS_CANCELLED);

    // The place is free again for the next reader, and the other handle still works.
    PendingRead next(bystander, sizeof(EVENT_RECORD));
    ASSERT_TRUE(next.pending()) << "the closed handle's read still holds the place: error " << next.error();
    EXPECT_TRUE(SendControl(bystander, IOCTL_GET_RF_DATA, {}, sizeof(RF_DATA)).ok);
    ASSERT_TRUE(CancelIo(bystander.get()));
    ASSERT_TRUE(next.Finished(WAIT_LIMIT_MS));
}

TEST_F(ControlDevice, ClosingAHandleLeavesAnotherHandlesReadPending) {
    DeviceHandle reader = Open(true), other = Open(true);
    ASSERT_TRUE(reader.valid() && other.valid());
    PendingRead read(reader, sizeof(EVENT_RECORD));
    ASSERT_TRUE(read.pending()) << "error " << read.error();
    other.Close();
    EXPECT_FALSE(read.Finished(200)) << "closing another handle ended this read";
    ASSERT_TRUE(CancelIo(reader.get()));
    ASSERT_TRUE(read.Finished(WAIT_LIMIT_MS));
}

// The agent's reader thread blocks in a plain read on a handle opened without overlapped I/O;
// closing that handle at exit must let the thread go.
TEST_F(ControlDevice, ClosingTheHandleReleasesABlockedReaderThread) {
    DeviceHandle reader = Open(false);
    ASSERT_TRUE(reader.valid());
    winetest::BlockedReader thread(reader.get(), sizeof(EVENT_RECORD));
    EXPECT_FALSE(thread.Finished(200)) << "the read returned with no event queued";
    reader.Close();
    ASSERT_TRUE(thread.Finished(WAIT_LIMIT_MS)) << "the reader thread is still blocked";
    EXPECT_FALSE(thread.ok());
    EXPECT_EQ(thread.error(), DWORD(ERROR_OPERATION_ABORTED));
}

TEST_F(ControlDevice, ReadWithNoRoomCompletesAtOnce) {
    DeviceHandle reader = Open(true);
    ASSERT_TRUE(reader.valid());
    PendingRead read(reader, 0);
    ASSERT_TRUE(read.Finished(WAIT_LIMIT_MS)) << "error " << read.error();
    EXPECT_EQ(read.status(), NT_STATUS_SUCCESS);
    EXPECT_EQ(read.bytes(), 0u);
}

TEST_F(ControlDevice, OtherRequestsAreRefused) {
    DeviceHandle device = Open();
    ASSERT_TRUE(device.valid());
    DWORD written = 0;
    const BYTE data[2] = {1, 2};
    EXPECT_FALSE(WriteFile(device.get(), data, sizeof data, &written, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_FUNCTION));
    EXPECT_FALSE(FlushFileBuffers(device.get()));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_FUNCTION));
}

// Unloading removes the device and its link, so the driver loads again cleanly; a handle's
// pending read doesn't outlive the driver's restart either.
TEST(ControlDeviceLifetime, UnloadRemovesTheDeviceAndTheDriverLoadsAgain) {
    for (int load = 0; load < 2; ++load) {
        winsupport::DriverService service(KB_FILTER_SERVICE_NAME, winsupport::BuildFile("uvxnftr.sys"));
        ASSERT_TRUE(service.running()) << "load " << load << ": " << service.error();
        {
            DeviceHandle device(KB_FILTER_USER_PATH, true);
            ASSERT_TRUE(device.valid()) << "load " << load << ": error " << device.open_error();
            PendingRead read(device, sizeof(EVENT_RECORD));
            EXPECT_TRUE(read.pending()) << "load " << load << ": the read place is taken at start";
        }
        ASSERT_TRUE(service.Stop()) << service.error();
        DeviceHandle gone(KB_FILTER_USER_PATH, false);
        EXPECT_FALSE(gone.valid()) << "load " << load << ": the device outlived its driver";
    }
}

// Holds the object name "\??\UVXNFLTR" (where "\DosDevices" leads) while it lives, as a link
// to another device, so that the driver finds its link name taken.
class TakenLinkName {
public:
    TakenLinkName() {
        using CreateLink = LONG(WINAPI*)(HANDLE*, ACCESS_MASK, OBJECT_ATTRIBUTES*, UNICODE_STRING*);
        auto create = reinterpret_cast<CreateLink>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtCreateSymbolicLinkObject")));
        if (!create) return;
        wchar_t name[] = L"\\??\\UVXNFLTR", target[] = L"\\Device\\Null";
        UNICODE_STRING name_string = {sizeof name - sizeof(wchar_t), sizeof name, name};
        UNICODE_STRING target_string = {sizeof target - sizeof(wchar_t), sizeof target, target};
        OBJECT_ATTRIBUTES attributes;
        InitializeObjectAttributes(&attributes, &name_string, OBJ_CASE_INSENSITIVE, nullptr, nullptr);
        status_ = create(&link_, 0xF0001 /* SYMBOLIC_LINK_ALL_ACCESS */, &attributes, &target_string);
    }
    ~TakenLinkName() {
        if (link_) CloseHandle(link_);
    }
    LONG status() const { return status_; }

private:
    HANDLE link_ = nullptr;
    LONG status_ = -1;
};

// With the link name already taken the driver refuses to load; once the name is free it loads
// again and answers there.
TEST(ControlDeviceLifetime, ATakenLinkNameFailsTheLoad) {
    {
        TakenLinkName taken;
        ASSERT_EQ(taken.status(), 0) << std::hex << taken.status();
        winsupport::DriverService refused(KB_FILTER_SERVICE_NAME, winsupport::BuildFile("uvxnftr.sys"));
        EXPECT_TRUE(refused.registered()) << refused.error();
        EXPECT_FALSE(refused.running()) << "loaded with its link name taken";
    }
    winsupport::DriverService service(KB_FILTER_SERVICE_NAME, winsupport::BuildFile("uvxnftr.sys"));
    ASSERT_TRUE(service.running()) << service.error();
    DeviceHandle device(KB_FILTER_USER_PATH, false);
    EXPECT_TRUE(device.valid()) << "error " << device.open_error();
}

}  // namespace
