// The harness itself: a driver built in this tree is started as a service, answers through its
// control device, and is gone again once the service is stopped and deleted.
#include <windows.h>
#include <winioctl.h>

#include <gtest/gtest.h>

#include "tools/winsupport/build_files.h"
#include "tools/winsupport/driver_service.h"

namespace {

constexpr DWORD IOCTL_PROBE_REVERSE = CTL_CODE(FILE_DEVICE_UNKNOWN, 0x900, METHOD_BUFFERED, FILE_ANY_ACCESS);

HANDLE OpenProbe() {
    return CreateFileA("\\\\.\\KBPROBE", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST(DriverService, StartsReachesAndRemovesADriver) {
    {
        winsupport::DriverService service("KBPROBE", winsupport::BuildFile("kbprobe.sys"));
        ASSERT_TRUE(service.running()) << service.error();

        HANDLE device = OpenProbe();
        ASSERT_NE(device, INVALID_HANDLE_VALUE) << "error " << GetLastError();
        char buffer[4] = {'a', 'b', 'c', 'd'};
        DWORD bytes = 0;
        ASSERT_TRUE(DeviceIoControl(device, IOCTL_PROBE_REVERSE, buffer, 4, buffer, 4, &bytes, nullptr));
        EXPECT_EQ(bytes, 4u);
        EXPECT_EQ(std::string(buffer, 4), "dcba");
        CloseHandle(device);

        ASSERT_TRUE(service.Stop()) << service.error();
        EXPECT_EQ(OpenProbe(), INVALID_HANDLE_VALUE) << "the device outlived its driver";
    }
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(OpenServiceA(manager, "KBPROBE", SERVICE_QUERY_STATUS), nullptr) << "the service was left behind";
    CloseServiceHandle(manager);
}

}  // namespace
