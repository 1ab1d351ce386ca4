#include "setup/tests/wine/receiver_nodes.h"

#include <vector>

namespace setup_test {

namespace {

// The class Windows gives a composite device's interfaces.
const GUID kUsbClass = {0x36fc9e60, 0xc465, 0x11cf, {0x80, 0x56, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

}  // namespace

ReceiverNode::ReceiverNode(const char* interface_name) {
    const std::string instance = std::string("USB\\VID_1F3C&PID_3801&") + interface_name + "\\6&2B7C1D0&0&0000";
    const std::string ids = std::string("USB\\VID_1F3C&PID_3801&REV_0100&") + interface_name + '\0' +
                      "USB\\VID_1F3C&PID_3801&" + interface_name + '\0' + '\0';
    HDEVINFO set = SetupDiCreateDeviceInfoList(&kUsbClass, nullptr);
    if (set == INVALID_HANDLE_VALUE) return;
    SP_DEVINFO_DATA device = {};
    device.cbSize = sizeof device;
    if (SetupDiCreateDeviceInfoA(set, instance.c_str(), &kUsbClass, nullptr, nullptr, 0, &device) &&
        SetupDiSetDeviceRegistryPropertyA(set, &device, SPDRP_HARDWAREID, reinterpret_cast<const BYTE*>(ids.data()),
                                          static_cast<DWORD>(ids.size())) &&
        SetupDiCallClassInstaller(DIF_REGISTERDEVICE, set, &device)) {
        // 98 and ME keep the filter list in the hardware key, which the device's installer makes.
        const HKEY key = SetupDiCreateDevRegKeyA(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, nullptr, nullptr);
        if (key != INVALID_HANDLE_VALUE) {
            RegCloseKey(key);
            instance_id_ = instance;
        }
    }
    SetupDiDestroyDeviceInfoList(set);
}

ReceiverNode::~ReceiverNode() {
    HDEVINFO set;
    SP_DEVINFO_DATA device;
    if (!Open(&set, &device)) return;
    SetupDiRemoveDevice(set, &device);
    SetupDiDestroyDeviceInfoList(set);
}

bool ReceiverNode::Open(HDEVINFO* set, SP_DEVINFO_DATA* device) const {
    if (!created()) return false;
    *set = SetupDiCreateDeviceInfoList(nullptr, nullptr);
    if (*set == INVALID_HANDLE_VALUE) return false;
    *device = {};
    device->cbSize = sizeof *device;
    if (SetupDiOpenDeviceInfoA(*set, instance_id_.c_str(), nullptr, 0, device)) return true;
    SetupDiDestroyDeviceInfoList(*set);
    return false;
}

std::string ReceiverNode::LowerFilters() const {
    HDEVINFO set;
    SP_DEVINFO_DATA device;
    if (!Open(&set, &device)) return "";
    std::vector<BYTE> list(512);
    DWORD size = 0;
    if (!SetupDiGetDeviceRegistryPropertyA(set, &device, SPDRP_LOWERFILTERS, nullptr, list.data(),
                                           static_cast<DWORD>(list.size()), &size)) {
        size = 0;
    }
    SetupDiDestroyDeviceInfoList(set);
    return std::string(reinterpret_cast<const char*>(list.data()), size);
}

std::string ReceiverNode::HardwareKeyLowerFilters() const {
    HDEVINFO set;
    SP_DEVINFO_DATA device;
    if (!Open(&set, &device)) return "";
    const HKEY key = SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    SetupDiDestroyDeviceInfoList(set);
    if (key == INVALID_HANDLE_VALUE) return "";
    char list[512];
    DWORD size = sizeof list;
    if (RegQueryValueExA(key, "LowerFilters", nullptr, nullptr, reinterpret_cast<BYTE*>(list), &size) != ERROR_SUCCESS)
        size = 0;
    RegCloseKey(key);
    return std::string(list, size);
}

bool ReceiverNode::SetLowerFilters(const std::string& list) {
    HDEVINFO set;
    SP_DEVINFO_DATA device;
    if (!Open(&set, &device)) return false;
    const BOOL set_ok = SetupDiSetDeviceRegistryPropertyA(set, &device, SPDRP_LOWERFILTERS,
                                                          reinterpret_cast<const BYTE*>(list.data()),
                                                          static_cast<DWORD>(list.size()));
    SetupDiDestroyDeviceInfoList(set);
    return set_ok != FALSE;
}

}  // namespace setup_test
