#include "agent/logic/action_table.h"

#include "common/hotkey_codes.h"

HotKeyAction ActionForCode(unsigned long code) {
    if (code >= HK_WWW_BACK && code <= HK_WWW_FAVORITES)
        return {ActionKind::BrowserKey, OsdGroup::Web, static_cast<int>(code - HK_WWW_BACK), PopupSwitch::Search};
    if (code >= HK_MEDIA_PLAY && code <= HK_MEDIA_NEXT)
        return {ActionKind::MediaPlayer, OsdGroup::Media, static_cast<int>(code - HK_MEDIA_PLAY), PopupSwitch::Media};
    if (code >= HK_MUTE && code <= HK_VOLUME_UP)
        return {ActionKind::Volume, OsdGroup::Media, static_cast<int>(code - HK_MEDIA_PLAY), PopupSwitch::Volume};
    if (code >= HK_WORD && code <= HK_OUTLOOK)
        return {ActionKind::Office, OsdGroup::Office, static_cast<int>(code - HK_WORD), PopupSwitch::Always};
    switch (code) {
    case HK_MEDIA_SELECT:
        return {ActionKind::MediaSelect, OsdGroup::Media, 0, PopupSwitch::Never};
    case HK_SEARCH:
        return {ActionKind::Search, OsdGroup::Program, 0, PopupSwitch::Search};
    case HK_MAIL:
        return {ActionKind::Mail, OsdGroup::Program, 1, PopupSwitch::Mail};
    case HK_MY_COMPUTER:
        return {ActionKind::MyComputer, OsdGroup::Program, 2, PopupSwitch::MyComputer};
    case HK_CALCULATOR:
        return {ActionKind::Calculator, OsdGroup::Program, 3, PopupSwitch::Calculator};
    case HK_POWER:
        return {ActionKind::Power, OsdGroup::Program, 0, PopupSwitch::Never};
    default:
        return {ActionKind::None, OsdGroup::Web, 0, PopupSwitch::Never};
    }
}

bool PopupEnabled(PopupSwitch popup, const KeyboardSettings& settings) {
    switch (popup) {
    case PopupSwitch::Never:
        return false;
    case PopupSwitch::Search:
        return settings.ShowSearch != 0;
    case PopupSwitch::Mail:
        return settings.ShowMail != 0;
    case PopupSwitch::Media:
        return settings.ShowMedia != 0;
    case PopupSwitch::Volume:
        return settings.ShowVolume != 0;
    case PopupSwitch::MyComputer:
        return settings.ShowMyComputer != 0;
    case PopupSwitch::Calculator:
        return settings.ShowCalculator != 0;
    case PopupSwitch::Always:
        return true;
    }
    return false;
}

VolumeAction VolumeActionForCode(unsigned long code) {
    if (code == HK_VOLUME_DOWN) return VolumeAction::StepDown;
    if (code == HK_VOLUME_UP) return VolumeAction::StepUp;
    return VolumeAction::ToggleMute;
}

bool VolumeKeyRepeats(unsigned long code, bool from_keyboard_reader) {
    return (code == HK_VOLUME_DOWN || code == HK_VOLUME_UP) && !from_keyboard_reader;
}
