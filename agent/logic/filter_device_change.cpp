#include "agent/logic/filter_device_change.h"

#include <cstring>

#include "agent/logic/device_names.h"

namespace {

constexpr std::size_t kNameOffset = 28;
constexpr uint32_t kDeviceInterfaceType = 5;

uint32_t ReadU32(const unsigned char* bytes) {
    uint32_t value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

void LogRemoval(const char* what, const DeviceChangeNotice& notice, FilterLog& log) {
    std::string line = what;
    if (notice.has_record) line += " device name=" + notice.device_name;
    log.Write(line.c_str());
}

void OnArrival(const DeviceChangeNotice& notice, bool is_windows_xp, bool* new_device, FilterLog& log,
               DeviceChangeActions& actions) {
    log.Write(("Device Arrival, device name=" + notice.device_name).c_str());
    if (notice.keyboard_interface) {
        log.Write("Found MI_00");
        if (is_windows_xp && actions.InstallOnPresentDevices() == FilterEditResult::Added) {
            if (*new_device) {
                actions.StartRestartPromptTimer();
            } else {
                log.Write("Found New Device, need re-boot");
                *new_device = true;
            }
        }
    }
    if (notice.hotkey_interface) log.Write("Found MI_01");
}

}  // namespace

bool EventCarriesRecord(uint64_t event) {
    return event == KB_DBT_DEVICEARRIVAL || event == KB_DBT_DEVICEQUERYREMOVE || event == KB_DBT_DEVICEREMOVEPENDING ||
           event == KB_DBT_DEVICEREMOVECOMPLETE;
}

std::string BroadcastDeviceName(const void* record) {
    if (record == nullptr) return std::string();
    const unsigned char* bytes = static_cast<const unsigned char*>(record);
    const uint32_t size = ReadU32(bytes);
    if (size <= kNameOffset || ReadU32(bytes + 4) != kDeviceInterfaceType) return std::string();
    const std::size_t limit = size - kNameOffset;
    const char* name = reinterpret_cast<const char*>(bytes + kNameOffset);
    std::size_t length = 0;
    while (length < limit && name[length] != '\0') ++length;
    return std::string(name, length);
}

DeviceChangeNotice NoticeOf(uint64_t event, const void* record) {
    DeviceChangeNotice notice;
    notice.event = static_cast<uint32_t>(event);
    if (!EventCarriesRecord(event)) record = nullptr;
    notice.has_record = record != nullptr;
    notice.device_name = BroadcastDeviceName(record);
    notice.keyboard_interface = IsKeyboardInterfaceName(notice.device_name.c_str());
    notice.hotkey_interface = IsHotKeyInterfaceName(notice.device_name.c_str());
    return notice;
}

void HandleDeviceChange(const DeviceChangeNotice& notice, bool is_windows_xp, bool* new_device,
                        FilterLog& log, DeviceChangeActions& actions) {
    switch (notice.event) {
    case KB_DBT_DEVNODES_CHANGED: log.Write("Device Change"); break;
    case KB_DBT_DEVICEARRIVAL: OnArrival(notice, is_windows_xp, new_device, log, actions); break;
    case KB_DBT_DEVICEQUERYREMOVE: LogRemoval("Device Query Remove", notice, log); break;
    case KB_DBT_DEVICEREMOVEPENDING: LogRemoval("Device Remove Pending", notice, log); break;
    case KB_DBT_DEVICEREMOVECOMPLETE: LogRemoval("Device Remove Complete", notice, log); break;
    default: break;
    }
}
