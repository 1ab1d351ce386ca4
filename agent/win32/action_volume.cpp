#include "agent/win32/action_volume.h"

#include "agent/logic/action_table.h"
#include "agent/logic/agent_ids.h"
#include "agent/win32/agent_state.h"
#include "agent/win32/master_volume.h"
#include "agent/win32/popup_window.h"

namespace {

// The last volume step and whether its repeat timer runs.
struct VolumeRepeat {
    bool active;
    HotKeyCode code;
};

VolumeRepeat g_repeat;

}  // namespace

void PerformVolumeKey(HotKeyCode code, bool from_keyboard_reader) {
    AgentState& agent = Agent();
    const VolumeAction action = VolumeActionForCode(code);
    if (IsVolumeStep(action)) {
        g_repeat.code = code;
        if (VolumeKeyRepeats(code, from_keyboard_reader)) {
            g_repeat.active = true;
            SetTimer(agent.main_window, KB_TIMER_VOLUME_REPEAT, kVolumeRepeatMs, nullptr);
        }
    }
    uint32_t level = 0;
    if (ChangeMasterVolume(action, level) && IsVolumeStep(action)) SetPopupLevel(level);
    const HotKeyAction key = ActionForCode(code);
    if (PopupEnabled(key.popup, agent.settings)) ShowPopup(key.group, key.index);
}

void StopVolumeRepeat() {
    if (!g_repeat.active) return;
    g_repeat.active = false;
    KillTimer(Agent().main_window, KB_TIMER_VOLUME_REPEAT);
}

HotKeyCode RepeatedVolumeKey() { return g_repeat.code; }
