#include "tools/simulator/desktop/settings_steps.h"

#include <windows.h>

#include "agent/logic/action_players.h"
#include "agent/logic/popup_display_time.h"
#include "common/registry_names.h"
#include "common/wheel_button_modes.h"
#include "common/window_classes.h"
#include "keysettings/logic/settings_table.h"

namespace sim {
namespace {

constexpr DWORD kBroadcastLimitMs = 3000;

// How long the popup stays for a "Delay" position, in seconds.
std::string DisplayTime(uint32_t delay) {
    const uint32_t ms = PopupTickLimit(delay) * kPopupTickMs;
    return ms % 1000 ? Format("%u.%u s", ms / 1000, ms % 1000 / 100) : Format("%u s", ms / 1000);
}

// What the On-Screen Display page writes with every group ticked: each of its "Display"
// values 1, and "Delay" the list's position; then it tells a running agent's popup.
void WritePopupSettings(uint32_t delay, SavedSettings& settings, Lines* said) {
    const keysettings::SettingsKey& display = keysettings::KeysOf(keysettings::SettingsGroup::Display).keys[0];
    for (int v = 0; v < display.count; ++v) {
        const keysettings::SettingsValue& value = display.values[v];
        settings.WriteNumber(display.path, value.name, value.number == &KeyboardSettings::Delay ? delay : 1);
    }
    if (HWND popup = FindWindowA(KB_CLASS_AGENT_POPUP, nullptr)) SendMessageA(popup, WM_WININICHANGE, 0, 0);
    said->push_back("settings: the popup shows for every key group, for " + DisplayTime(delay));
}

void WritePlayer(uint32_t select, SavedSettings& settings, Lines* said) {
    settings.WriteNumber(KB_REG_KEYBOARD, KB_VAL_SELECT, select);
    PlayerEntry players[kPlayerCount];
    ResetPlayerTable(players);
    const int row = PlayerRowForSelect(select);
    said->push_back(Format("settings: the media keys drive \"%s\" (the agent reads this at its start)",
                           row >= 0 ? players[row].display_name : "no player"));
}

// What the Wheel Button page writes for Zoom; then the hook's zoom window reloads, as it does
// for the page's broadcast.
void WriteZoom(uint32_t size, uint32_t factor, SavedSettings& settings, Lines* said) {
    settings.WriteNumber(KB_REG_WHEEL, KB_VAL_WHEEL_BUTTON, KB_WHEEL_BUTTON_ZOOM);
    settings.WriteNumber(KB_REG_WHEEL, KB_VAL_ZOOM_SIZE, size);
    settings.WriteNumber(KB_REG_WHEEL, KB_VAL_ZOOM_FACTOR, factor);
    SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, 0, SMTO_ABORTIFHUNG, kBroadcastLimitMs, nullptr);
    said->push_back(Format("settings: the wheel button zooms, a %u-pixel window magnifying %u times", size, factor));
}

}  // namespace

bool WriteSetting(const Step& step, SavedSettings& settings, Lines* said) {
    switch (step.setting) {
    case Setting::Popup:
        WritePopupSettings(step.values[0], settings, said);
        return true;
    case Setting::Player:
        WritePlayer(step.values[0], settings, said);
        return true;
    case Setting::Zoom:
        WriteZoom(step.values[0], step.values[1], settings, said);
        return true;
    }
    return false;
}

}  // namespace sim
