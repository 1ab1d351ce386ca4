// What each hot-key code does: which action runs, and which popup confirms it under which of
// the user's display settings.
#pragma once

#include "agent/logic/popup_content.h"
#include "agent/logic/volume_steps.h"
#include "keysettings/logic/keyboard_settings.h"

enum class ActionKind {
    None,         // no action and no popup
    BrowserKey,   // codes 1 to 6: keystrokes to the browser
    MediaPlayer,  // codes 7 to 10: a command to the chosen player
    Volume,       // codes 11 to 13: mute, step down, step up, with the repeat for the steps
    MediaSelect,  // code 14: the media-select window
    Search,
    Mail,
    MyComputer,
    Calculator,
    Power,        // code 19: the shut-down dialog
    Office,       // codes 20 to 23
};

// Which `KeyboardSettings` flag lets the popup show.
enum class PopupSwitch { Never, Search, Mail, Media, Volume, MyComputer, Calculator, Always };

struct HotKeyAction {
    ActionKind kind;
    OsdGroup group;
    int index;  // within the group; for the browser, media and Office keys also the key's row
    PopupSwitch popup;
};

// Any value a message may carry; codes without an action give ActionKind::None.
HotKeyAction ActionForCode(unsigned long code);

bool PopupEnabled(PopupSwitch popup, const KeyboardSettings& settings);

// Codes 11 to 13 as the mixer routine takes them.
VolumeAction VolumeActionForCode(unsigned long code);

// Volume Down and Volume Up repeat every 250 ms while held, unless the code came from the
// keyboard filter's reader, which sends each press once.
constexpr unsigned kVolumeRepeatMs = 250;
bool VolumeKeyRepeats(unsigned long code, bool from_keyboard_reader);
