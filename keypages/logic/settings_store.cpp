#include "keypages/logic/settings_store.h"

#include <cstring>

#include "keypages/logic/text_field.h"

namespace keypages {
namespace {

using Registry = sheetext::Registry;

// How a value is kept in the registry.
enum class Form {
    Number,     // REG_DWORD, 4 bytes
    Text,       // REG_SZ, the text and its terminating zero
    WholeText,  // REG_SZ, the whole 128-byte field, the text followed by zeros
};

struct StoredValue {
    const char* name;
    Form form;
    uint32_t KeyboardSettings::*number;
    TextField KeyboardSettings::*text;
};

constexpr StoredValue Number(const char* name, uint32_t KeyboardSettings::*field) {
    return {name, Form::Number, field, nullptr};
}

constexpr StoredValue Text(const char* name, TextField KeyboardSettings::*field, Form form = Form::Text) {
    return {name, form, nullptr, field};
}

struct StoredKey {
    const char* path;
    const StoredValue* values;
    int count;
};

constexpr StoredValue kSearch[] = {
    Number(KB_VAL_VALUE, &KeyboardSettings::SearchMode),
    Text(KB_VAL_URL, &KeyboardSettings::SearchUrl, Form::WholeText),
};
constexpr StoredValue kMail[] = {
    Number(KB_VAL_VALUE, &KeyboardSettings::MailMode),
    Number(KB_VAL_DEFAULT, &KeyboardSettings::MailDefault),
    Text(KB_VAL_CUSTOM, &KeyboardSettings::MailCustom),
    Text(KB_VAL_NAME, &KeyboardSettings::MailName),
};
constexpr StoredValue kMyComputer[] = {
    Number(KB_VAL_VALUE, &KeyboardSettings::MyComputerMode),
    Text(KB_VAL_CUSTOM, &KeyboardSettings::MyComputerCustom),
    Text(KB_VAL_NAME, &KeyboardSettings::MyComputerName),
};
constexpr StoredValue kCalculator[] = {
    Number(KB_VAL_VALUE, &KeyboardSettings::CalculatorMode),
    Text(KB_VAL_CUSTOM, &KeyboardSettings::CalculatorCustom),
    Text(KB_VAL_NAME, &KeyboardSettings::CalculatorName),
};
constexpr StoredValue kDisplay[] = {
    Number(KB_VAL_SHOW_SEARCH, &KeyboardSettings::ShowSearch),
    Number(KB_VAL_SHOW_MAIL, &KeyboardSettings::ShowMail),
    Number(KB_VAL_SHOW_MEDIA, &KeyboardSettings::ShowMedia),
    Number(KB_VAL_SHOW_VOLUME, &KeyboardSettings::ShowVolume),
    Number(KB_VAL_SHOW_MY_COMPUTER, &KeyboardSettings::ShowMyComputer),
    Number(KB_VAL_SHOW_CALCULATOR, &KeyboardSettings::ShowCalculator),
    Number(KB_VAL_DELAY, &KeyboardSettings::Delay),
};
constexpr StoredValue kOption[] = {
    Number(KB_VAL_PRTSCR, &KeyboardSettings::PrtScr),
    Number(KB_VAL_CAPS_LOCK, &KeyboardSettings::DisableCapsLock),
    Number(KB_VAL_LEFT_WINDOW, &KeyboardSettings::DisableLeftWindow),
    Number(KB_VAL_RIGHT_WINDOW, &KeyboardSettings::DisableRightWindow),
    Number(KB_VAL_APPLICATION, &KeyboardSettings::DisableApplication),
};

template <int N>
constexpr StoredKey Key(const char* path, const StoredValue (&values)[N]) {
    return {path, values, N};
}

constexpr StoredKey kHotKeyKeys[] = {
    Key(KB_REG_KEYBOARD_SEARCH, kSearch),
    Key(KB_REG_KEYBOARD_MAIL, kMail),
    Key(KB_REG_KEYBOARD_MY_COMPUTER, kMyComputer),
    Key(KB_REG_KEYBOARD_CALCULATOR, kCalculator),
};
constexpr StoredKey kDisplayKeys[] = {Key(KB_REG_KEYBOARD_DISPLAY, kDisplay)};
constexpr StoredKey kOptionKeys[] = {Key(KB_REG_KEYBOARD_OPTION, kOption)};

struct KeyList {
    const StoredKey* keys;
    int count;
};

KeyList KeysOf(SettingsGroup group) {
    switch (group) {
    case SettingsGroup::HotKeys:
        return {kHotKeyKeys, 4};
    case SettingsGroup::Display:
        return {kDisplayKeys, 1};
    case SettingsGroup::Options:
        break;
    }
    return {kOptionKeys, 1};
}

// A value is read into a buffer of its own and taken only when it fitted whole: what a failed
// read leaves in the buffer is undefined.
void ReadValue(Registry& registry, Registry::Key key, const StoredValue& value, KeyboardSettings& settings) {
    if (value.form == Form::Number) {
        uint32_t number = 0;
        if (registry.Query(key, value.name, &number, sizeof number)) settings.*value.number = number;
        return;
    }
    TextField text = {};
    if (!registry.Query(key, value.name, text, sizeof text)) return;
    TerminateField(text);
    std::memcpy(settings.*value.text, text, sizeof text);
}

void WriteValue(Registry& registry, Registry::Key key, const StoredValue& value, const KeyboardSettings& settings) {
    switch (value.form) {
    case Form::Number:
        registry.Set(key, value.name, Registry::Type::Number, &(settings.*value.number), sizeof(uint32_t));
        return;
    case Form::WholeText:
        registry.Set(key, value.name, Registry::Type::Text, settings.*value.text, sizeof(TextField));
        return;
    case Form::Text:
        break;
    }
    const TextField& text = settings.*value.text;
    registry.Set(key, value.name, Registry::Type::Text, text, FieldLength(text) + 1);
}

}  // namespace

void ReadSettings(Registry& registry, SettingsGroup group, KeyboardSettings& settings) {
    const KeyList list = KeysOf(group);
    for (int k = 0; k < list.count; ++k) {
        const StoredKey& stored = list.keys[k];
        sheetext::ScopedKey key(registry,
                                registry.Open(Registry::Root::LocalMachine, stored.path, Registry::Access::Read));
        if (!key) continue;
        for (int v = 0; v < stored.count; ++v) ReadValue(registry, key.get(), stored.values[v], settings);
    }
}

void WriteSettings(Registry& registry, SettingsGroup group, const KeyboardSettings& settings) {
    sheetext::ScopedKey parent(registry,
                               registry.Create(Registry::Root::LocalMachine, KB_REG_KEYBOARD, Registry::Access::Write));
    parent.Close();
    const KeyList list = KeysOf(group);
    for (int k = 0; k < list.count; ++k) {
        const StoredKey& stored = list.keys[k];
        sheetext::ScopedKey key(registry,
                                registry.Create(Registry::Root::LocalMachine, stored.path, Registry::Access::Write));
        if (!key) continue;
        for (int v = 0; v < stored.count; ++v) WriteValue(registry, key.get(), stored.values[v], settings);
    }
}

}  // namespace keypages
