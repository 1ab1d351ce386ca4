#include "agent/win32/action_volume.h"

#include <windows.h>

#include <cstdint>

#include "agent/logic/agent_ids.h"
#include "agent/logic/popup_content.h"
#include "agent/win32/agent_state.h"
#include "agent/win32/dispatcher.h"
#include "agent/win32/master_volume.h"
#include "agent/win32/popup_window.h"

namespace {

constexpr UINT kVolumeRepeatMs = 250;

// The popup's Media index of each volume key: 4 "Mute", 5 "Vol -", 6 "Vol +".
int MediaIndex(HotKeyCode code) { return 4 + (code - HK_MUTE); }

VolumeAction ActionOf(HotKeyCode code) {
    switch (code) {
    case HK_VOLUME_DOWN:
        return VolumeAction::StepDown;
    case HK_VOLUME_UP:
        return VolumeAction::StepUp;
    default:
        return VolumeAction::ToggleMute;
    }
}

// The level stays what the last successful step left it at, so a missing mixer still shows a
// bar, the one it showed last.
uint32_t g_level = 0;

}  // namespace

void PerformVolumeKey(HotKeyCode code, bool from_keyboard_reader) {
    AgentState& agent = Agent();
    if (code == HK_VOLUME_DOWN || code == HK_VOLUME_UP) {
        DispatcherState& dispatcher = Dispatcher();
        dispatcher.RepeatCode = code;
        if (!from_keyboard_reader) {
            dispatcher.RepeatActive = true;
            SetTimer(agent.main_window, KB_TIMER_VOLUME_REPEAT, kVolumeRepeatMs, nullptr);
        }
    }
    ChangeMasterVolume(ActionOf(code), g_level);
    SetPopupLevel(g_level);
    if (agent.settings.ShowVolume) ShowPopup(OsdGroup::Media, MediaIndex(code));
}
