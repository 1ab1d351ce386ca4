#include "agent/win32/dispatcher.h"

#include "agent/logic/agent_ids.h"
#include "agent/logic/event_route.h"
#include "agent/win32/agent_state.h"
#include "agent/win32/hotkey_action.h"
#include "common/private_messages.h"

namespace {

DispatcherState g_dispatcher;

}  // namespace

DispatcherState& Dispatcher() { return g_dispatcher; }

void DispatchHotKey(WPARAM code, bool from_keyboard_reader) {
    AgentState& agent = Agent();
    if (g_dispatcher.RepeatActive) {
        g_dispatcher.RepeatActive = false;
        KillTimer(agent.main_window, KB_TIMER_VOLUME_REPEAT);
    }
    if (!from_keyboard_reader) PostMessageA(agent.tray_window, WM_TRAY_ACTIVITY, 0, 0);
    // Any process may post these messages: only a checked code may pick an action.
    if (IsHotKeyCode(code)) PerformHotKeyAction(static_cast<HotKeyCode>(code), from_keyboard_reader);
}

void OnVolumeRepeatTimer() { DispatchHotKey(static_cast<WPARAM>(g_dispatcher.RepeatCode), false); }
