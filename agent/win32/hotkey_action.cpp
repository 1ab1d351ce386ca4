#include "agent/win32/hotkey_action.h"

#include "agent/win32/action_volume.h"

void PerformHotKeyAction(HotKeyCode code, bool from_keyboard_reader) {
    switch (code) {
    case HK_MUTE:
    case HK_VOLUME_DOWN:
    case HK_VOLUME_UP:
        PerformVolumeKey(code, from_keyboard_reader);
        break;
    default:
        break;
    }
}
