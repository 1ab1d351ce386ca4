#include "agent/win32/dispatcher.h"

#include "agent/logic/event_route.h"
#include "agent/win32/action_volume.h"
#include "agent/win32/agent_state.h"
#include "agent/win32/hotkey_action.h"
#include "common/private_messages.h"

void DispatchHotKey(WPARAM code, bool from_keyboard_reader) {
    StopVolumeRepeat();
    if (!from_keyboard_reader) PostMessageA(Agent().tray_window, WM_TRAY_ACTIVITY, 0, 0);
    // Any process may post these messages: only a checked code may pick an action.
    if (IsHotKeyCode(code)) PerformHotKeyAction(static_cast<HotKeyCode>(code), from_keyboard_reader);
}
