#include "agent/win32/device_change.h"

#include "agent/logic/agent_ids.h"
#include "agent/logic/filter_device_change.h"
#include "agent/win32/agent_state.h"
#include "agent/win32/filter_install_prompt.h"
#include "agent/win32/installation.h"

namespace {

// Set by the first arrival of a receiver that needed a filter; later ones offer the restart.
bool g_new_device;

}  // namespace

LRESULT OnDeviceChange(WPARAM event, LPARAM data) {
    const DeviceChangeNotice notice = NoticeOf(event, reinterpret_cast<const void*>(data));
    AgentDeviceChangeActions actions(Agent().main_window, KB_TIMER_REBOOT_PROMPT, AgentInstallLog());
    HandleDeviceChange(notice, Agent().version.is_windows_xp, &g_new_device, AgentInstallLog(), actions);
    return TRUE;
}
