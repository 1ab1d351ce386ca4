#include "agent/win32/device_change.h"

#include <dbt.h>

#include "agent/logic/device_names.h"
#include "agent/win32/agent_log.h"
#include "agent/win32/installation.h"

namespace {

// The name follows the record's fixed part, at byte 28 on every world.
const char* DeviceName(LPARAM data) {
    const auto* record = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(data);
    return record->dbcc_name;
}

void OnArrival(LPARAM data) {
    if (data == 0) return;
    const char* name = DeviceName(data);
    WriteAgentLog("Device Arrival, device name=%s", name);
    if (IsKeyboardInterfaceName(name)) {
        WriteAgentLog("Found MI_00");
        OnKeyboardInterfaceArrival();
    }
    if (IsHotKeyInterfaceName(name)) WriteAgentLog("Found MI_01");
}

void OnRemoval(const char* what, LPARAM data) {
    if (data == 0) {
        WriteAgentLog("%s", what);
    } else {
        WriteAgentLog("%s device name=%s", what, DeviceName(data));
    }
}

}  // namespace

LRESULT OnDeviceChange(WPARAM event, LPARAM data) {
    switch (event) {
    case DBT_DEVNODES_CHANGED:
        WriteAgentLog("Device Change");
        break;
    case DBT_DEVICEARRIVAL:
        OnArrival(data);
        break;
    case DBT_DEVICEQUERYREMOVE:
        OnRemoval("Device Query Remove", data);
        break;
    case DBT_DEVICEREMOVEPENDING:
        OnRemoval("Device Remove Pending", data);
        break;
    case DBT_DEVICEREMOVECOMPLETE:
        OnRemoval("Device Remove Complete", data);
        break;
    default:
        break;
    }
    return TRUE;
}
