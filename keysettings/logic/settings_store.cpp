#include "keysettings/logic/settings_store.h"

#include <cstring>

namespace keysettings {
namespace {

using Registry = reg::Registry;

// A text is read into a buffer of its own and taken only when it fitted whole: what a failed
// read leaves in the buffer is undefined.
void ReadValue(Registry& registry, Registry::Key key, const SettingsValue& value, KeyboardSettings& settings) {
    if (value.form == ValueForm::Number) {
        reg::ReadNumber(registry, key, value.name, settings.*value.number);
        return;
    }
    TextField text = {};
    if (!registry.Query(key, value.name, text, kTextSize)) return;
    TerminateField(text);
    std::memcpy(settings.*value.text, text, kTextSize);
}

void WriteValue(Registry& registry, Registry::Key key, const SettingsValue& value, const KeyboardSettings& settings) {
    switch (value.form) {
    case ValueForm::Number:
        reg::SetNumber(registry, key, value.name, settings.*value.number);
        return;
    case ValueForm::WholeText:
        registry.Set(key, value.name, Registry::Type::Text, settings.*value.text, kTextSize);
        return;
    case ValueForm::Text:
        break;
    }
    const TextField& text = settings.*value.text;
    registry.Set(key, value.name, Registry::Type::Text, text, FieldLength(text) + 1);
}

}  // namespace

void ReadSettings(Registry& registry, SettingsGroup group, KeyboardSettings& settings) {
    const SettingsKeys list = KeysOf(group);
    for (int k = 0; k < list.count; ++k) {
        const SettingsKey& stored = list.keys[k];
        reg::ScopedKey key(registry, registry.Open(Registry::Root::LocalMachine, stored.path, Registry::Access::Read));
        if (!key) continue;
        for (int v = 0; v < stored.count; ++v) ReadValue(registry, key.get(), stored.values[v], settings);
    }
}

void WriteSettings(Registry& registry, SettingsGroup group, const KeyboardSettings& settings) {
    // Every group but the player's lives below "Software\Orvanta\ZI Dodoveda", made first.
    if (group != SettingsGroup::Player) {
        reg::ScopedKey parent(registry,
                              registry.Create(Registry::Root::LocalMachine, KB_REG_KEYBOARD, Registry::Access::Write));
    }
    const SettingsKeys list = KeysOf(group);
    for (int k = 0; k < list.count; ++k) {
        const SettingsKey& stored = list.keys[k];
        reg::ScopedKey key(registry, registry.Create(Registry::Root::LocalMachine, stored.path, Registry::Access::Write));
        if (!key) continue;
        for (int v = 0; v < stored.count; ++v) WriteValue(registry, key.get(), stored.values[v], settings);
    }
}

}  // namespace keysettings
