// What the main window does with a device notification: which lines it logs, when the filters
// go into a newly arrived receiver's stacks, and when the restart prompt is scheduled.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "agent/logic/filter_edit_result.h"
#include "agent/logic/filter_log.h"
#include "common/win32_numbers.h"

// The restart prompt comes this long after an arrival that needs it.
constexpr uint32_t kRestartPromptDelayMs = 15000;

struct DeviceChangeNotice {
    uint32_t event = 0;
    bool has_record = false;          // the notification came with a broadcast record
    std::string device_name;          // from a device-interface record, else empty
    bool keyboard_interface = false;  // the name is the receiver's keyboard interface (MI_00)
    bool hotkey_interface = false;    // the name is the first collection of its hot-key interface (MI_01)
};

// What the handler asks of the agent beside the log.
class DeviceChangeActions {
public:
    // The services registered and the filters written into the present devices' lists.
    virtual FilterEditResult InstallOnPresentDevices() = 0;
    virtual void StartRestartPromptTimer() = 0;

protected:
    ~DeviceChangeActions() = default;
};

// Whether lParam of the event points to a broadcast record: only the arrival and the three
// removal events carry one. Any other event's lParam is a number (Windows 98 sends such events,
// and any process may send the message with any value) and is never read.
bool EventCarriesRecord(uint64_t event);

// The device name of a broadcast record as the system delivers it (null for none): a 32-bit
// size, a 32-bit device type, a 32-bit reserved field, then for a device-interface record (type
// 5) a 16-byte class GUID and the name from byte 28. Any other record, a volume's say, which
// Windows sends to every top-level window, is shorter and has no name; nothing is read beyond
// the size the record gives, not even its type when the record is shorter than its header.
std::string BroadcastDeviceName(const void* record);

// The keyboard interface's arrival installs the filters on XP only; the first arrival that adds
// a filter only sets `new_device` (which then stays set), each later one schedules the prompt.
void HandleDeviceChange(const DeviceChangeNotice& notice, bool is_windows_xp, bool* new_device,
                        FilterLog& log, DeviceChangeActions& actions);
