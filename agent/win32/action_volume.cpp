#include "agent/win32/action_volume.h"

#include "agent/logic/action_table.h"
#include "agent/logic/agent_ids.h"
#include "agent/win32/agent_state.h"
#include "agent/win32/dispatcher.h"
#include "agent/win32/master_volume.h"
#include "agent/win32/popup_window.h"

void PerformVolumeKey(HotKeyCode code, bool from_keyboard_reader) {
    AgentState& agent = Agent();
    DispatcherState& dispatcher = Dispatcher();
    const VolumeAction action = VolumeActionForCode(code);
    if (IsVolumeStep(action)) {
        dispatcher.RepeatCode = code;
        if (VolumeKeyRepeats(code, from_keyboard_reader)) {
            dispatcher.RepeatActive = true;
            SetTimer(agent.main_window, KB_TIMER_VOLUME_REPEAT, kVolumeRepeatMs, nullptr);
        }
    }
    uint32_t level = 0;
    if (ChangeMasterVolume(action, level) && IsVolumeStep(action)) SetPopupLevel(level);
    const HotKeyAction key = ActionForCode(code);
    if (PopupEnabled(key.popup, agent.settings)) ShowPopup(key.group, key.index);
}
