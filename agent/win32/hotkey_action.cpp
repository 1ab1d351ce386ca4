#include "agent/win32/hotkey_action.h"

#include "agent/logic/action_table.h"
#include "agent/logic/desk_actions.h"
#include "agent/win32/action_media_player.h"
#include "agent/win32/action_media_select.h"
#include "agent/win32/action_office.h"
#include "agent/win32/action_power.h"
#include "agent/win32/action_volume.h"
#include "agent/win32/agent_desk.h"
#include "agent/win32/agent_state.h"
#include "agent/win32/popup_window.h"

void PerformHotKeyAction(HotKeyCode code, bool from_keyboard_reader) {
    const HotKeyAction action = ActionForCode(code);
    const KeyboardSettings& settings = Agent().settings;
    switch (action.kind) {
    case ActionKind::None:
        return;
    case ActionKind::Power:
        PerformPowerKey();
        return;
    case ActionKind::BrowserKey:
        if (!PerformBrowserKey(AgentDesk(), action.index)) return;
        break;
    case ActionKind::MediaPlayer:
        if (PerformMediaKey(settings.Select, static_cast<MediaKey>(action.index)) == MediaKeyOutcome::PlayerNotFound) {
            // Told in the popup instead of the key's confirmation.
            if (PopupEnabled(action.popup, settings)) ShowPopup(OsdGroup::MediaMissing, action.index);
            return;
        }
        break;
    case ActionKind::Volume:
        PerformVolumeKey(code, from_keyboard_reader);
        return;
    case ActionKind::MediaSelect:
        PerformMediaSelect();
        return;
    case ActionKind::Search:
        PerformProgramStart(AgentDesk(), SearchAction(settings));
        break;
    case ActionKind::Mail:
        PerformProgramStart(AgentDesk(), MailAction(settings));
        break;
    case ActionKind::MyComputer:
        PerformProgramStart(AgentDesk(), MyComputerAction(settings));
        break;
    case ActionKind::Calculator:
        PerformProgramStart(AgentDesk(), CalculatorAction(settings));
        break;
    case ActionKind::Office:
        // The popup comes first: the start may take a while, or fail and change its caption.
        ShowPopup(action.group, action.index);
        PerformOfficeKey(action.index);
        return;
    }
    if (PopupEnabled(action.popup, settings)) ShowPopup(action.group, action.index);
}
