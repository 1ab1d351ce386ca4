#include "agent/logic/settings_load.h"

#include <initializer_list>

#include "keysettings/logic/settings_store.h"

using keysettings::SettingsGroup;

void LoadStartSettings(reg::Registry& registry, KeyboardSettings& settings) {
    keysettings::ReadSettings(registry, SettingsGroup::Player, settings);
    ReloadSettings(registry, settings);
}

void ReloadSettings(reg::Registry& registry, KeyboardSettings& settings) {
    for (SettingsGroup group : {SettingsGroup::HotKeys, SettingsGroup::Display, SettingsGroup::Options})
        keysettings::ReadSettings(registry, group, settings);
}

DISABLE_KEYS_INPUT KeyDisableBlock(const KeyboardSettings& settings) {
    return DISABLE_KEYS_INPUT{settings.DisableCapsLock, settings.DisableLeftWindow, settings.DisableRightWindow,
                              settings.DisableApplication};
}
