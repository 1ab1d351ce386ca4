#include "agent/tests/wine/filter_device_nodes.h"

namespace filter_test {

namespace {

// The class of the nodes; the system class keeps them out of every other test's way.
const GUID kSystemClass = {0x4d36e97d, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};

StoredList ReadValue(HKEY key) {
    DWORD size = 0;
    if (RegQueryValueExA(key, "LowerFilters", nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS || size == 0) {
        return {false, ""};
    }
    std::string bytes(size, '\0');
    RegQueryValueExA(key, "LowerFilters", nullptr, nullptr, reinterpret_cast<BYTE*>(&bytes[0]), &size);
    bytes.resize(size);
    return {true, bytes};
}

}  // namespace

DeviceNode::DeviceNode(const std::string& ids) {
    HDEVINFO set = SetupDiCreateDeviceInfoList(&kSystemClass, nullptr);
    if (set == INVALID_HANDLE_VALUE) return;
    SP_DEVINFO_DATA device = {};
    device.cbSize = sizeof device;
    const std::string multi = ids + '\0';
    if (SetupDiCreateDeviceInfoA(set, "KBFILTERTEST", &kSystemClass, nullptr, nullptr, DICD_GENERATE_ID, &device) &&
        SetupDiSetDeviceRegistryPropertyA(set, &device, SPDRP_HARDWAREID,
                                          reinterpret_cast<const BYTE*>(multi.data()),
                                          static_cast<DWORD>(multi.size())) &&
        SetupDiCallClassInstaller(DIF_REGISTERDEVICE, set, &device)) {
        char id[512];
        if (SetupDiGetDeviceInstanceIdA(set, &device, id, sizeof id, nullptr)) {
            instance_id_ = id;
            created_ = true;
        }
    }
    SetupDiDestroyDeviceInfoList(set);
}

DeviceNode::~DeviceNode() {
    HDEVINFO set;
    SP_DEVINFO_DATA device;
    if (!created_ || !Open(&set, &device)) return;
    SetupDiRemoveDevice(set, &device);
    SetupDiDestroyDeviceInfoList(set);
}

bool DeviceNode::Open(HDEVINFO* set, SP_DEVINFO_DATA* device) const {
    *set = SetupDiCreateDeviceInfoList(nullptr, nullptr);
    if (*set == INVALID_HANDLE_VALUE) return false;
    *device = {};
    device->cbSize = sizeof *device;
    if (SetupDiOpenDeviceInfoA(*set, instance_id_.c_str(), nullptr, 0, device)) return true;
    SetupDiDestroyDeviceInfoList(*set);
    return false;
}

bool DeviceNode::SetLowerFilters(const std::string& bytes) {
    HDEVINFO set;
    SP_DEVINFO_DATA device;
    if (!Open(&set, &device)) return false;
    const BOOL ok = SetupDiSetDeviceRegistryPropertyA(
        set, &device, SPDRP_LOWERFILTERS, bytes.empty() ? nullptr : reinterpret_cast<const BYTE*>(bytes.data()),
        static_cast<DWORD>(bytes.size()));
    SetupDiDestroyDeviceInfoList(set);
    return ok != FALSE;
}

StoredList DeviceNode::LowerFilters() const {
    HDEVINFO set;
    SP_DEVINFO_DATA device;
    if (!Open(&set, &device)) return {false, ""};
    StoredList list = {false, ""};
    DWORD size = 0;
    SetupDiGetDeviceRegistryPropertyA(set, &device, SPDRP_LOWERFILTERS, nullptr, nullptr, 0, &size);
    if (size > 0) {
        std::string bytes(size, '\0');
        if (SetupDiGetDeviceRegistryPropertyA(set, &device, SPDRP_LOWERFILTERS, nullptr,
                                              reinterpret_cast<BYTE*>(&bytes[0]), size, &size)) {
            bytes.resize(size);
            list = {true, bytes};
        }
    }
    SetupDiDestroyDeviceInfoList(set);
    return list;
}

bool DeviceNode::CreateHardwareKey() {
    HDEVINFO set;
    SP_DEVINFO_DATA device;
    if (!Open(&set, &device)) return false;
    HKEY key = SetupDiCreateDevRegKeyA(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, nullptr, nullptr);
    SetupDiDestroyDeviceInfoList(set);
    if (key == INVALID_HANDLE_VALUE) return false;
    RegCloseKey(key);
    return true;
}

bool DeviceNode::SetHardwareKeyLowerFilters(const std::string& bytes, DWORD type) {
    HDEVINFO set;
    SP_DEVINFO_DATA device;
    if (!Open(&set, &device)) return false;
    HKEY key = SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_ALL_ACCESS);
    SetupDiDestroyDeviceInfoList(set);
    if (key == INVALID_HANDLE_VALUE) return false;
    const LONG status = RegSetValueExA(key, "LowerFilters", 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                       static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

StoredList DeviceNode::HardwareKeyLowerFilters() const {
    HDEVINFO set;
    SP_DEVINFO_DATA device;
    if (!Open(&set, &device)) return {false, ""};
    HKEY key = SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    SetupDiDestroyDeviceInfoList(set);
    if (key == INVALID_HANDLE_VALUE) return {false, ""};
    const StoredList list = ReadValue(key);
    RegCloseKey(key);
    return list;
}

std::string ReceiverIds(const char* interface_name, const char* revision) {
    std::string ids = "USB\\VID_1F3C&PID_3801&REV_";
    ids += revision;
    ids += "&";
    ids += interface_name;
    ids += '\0';
    ids += "USB\\VID_1F3C&PID_3801&";
    ids += interface_name;
    ids += '\0';
    return ids;
}

}  // namespace filter_test
