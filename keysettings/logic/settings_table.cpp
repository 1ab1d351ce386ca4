#include "keysettings/logic/settings_table.h"

namespace keysettings {
namespace {

constexpr SettingsValue Number(const char* name, uint32_t KeyboardSettings::*field) {
    return {name, ValueForm::Number, field, nullptr};
}

constexpr SettingsValue Text(const char* name, TextField KeyboardSettings::*field, ValueForm form = ValueForm::Text) {
    return {name, form, nullptr, field};
}

template <int N>
constexpr SettingsKey Key(const char* path, const SettingsValue (&values)[N]) {
    return {path, values, N};
}

constexpr SettingsValue kRoot[] = {
    Number(KB_VAL_SELECT, &KeyboardSettings::Select),
};
constexpr SettingsValue kSearch[] = {
    Number(KB_VAL_VALUE, &KeyboardSettings::SearchMode),
    Text(KB_VAL_URL, &KeyboardSettings::SearchUrl, ValueForm::WholeText),
};
constexpr SettingsValue kMail[] = {
    Number(KB_VAL_VALUE, &KeyboardSettings::MailMode),
    Number(KB_VAL_DEFAULT, &KeyboardSettings::MailDefault),
    Text(KB_VAL_CUSTOM, &KeyboardSettings::MailCustom),
    Text(KB_VAL_NAME, &KeyboardSettings::MailName),
};
constexpr SettingsValue kMyComputer[] = {
    Number(KB_VAL_VALUE, &KeyboardSettings::MyComputerMode),
    Text(KB_VAL_CUSTOM, &KeyboardSettings::MyComputerCustom),
    Text(KB_VAL_NAME, &KeyboardSettings::MyComputerName),
};
constexpr SettingsValue kCalculator[] = {
    Number(KB_VAL_VALUE, &KeyboardSettings::CalculatorMode),
    Text(KB_VAL_CUSTOM, &KeyboardSettings::CalculatorCustom),
    Text(KB_VAL_NAME, &KeyboardSettings::CalculatorName),
};
constexpr SettingsValue kDisplay[] = {
    Number(KB_VAL_SHOW_SEARCH, &KeyboardSettings::ShowSearch),
    Number(KB_VAL_SHOW_MAIL, &KeyboardSettings::ShowMail),
    Number(KB_VAL_SHOW_MEDIA, &KeyboardSettings::ShowMedia),
    Number(KB_VAL_SHOW_VOLUME, &KeyboardSettings::ShowVolume),
    Number(KB_VAL_SHOW_MY_COMPUTER, &KeyboardSettings::ShowMyComputer),
    Number(KB_VAL_SHOW_CALCULATOR, &KeyboardSettings::ShowCalculator),
    Number(KB_VAL_DELAY, &KeyboardSettings::Delay),
};
constexpr SettingsValue kOption[] = {
    Number(KB_VAL_PRTSCR, &KeyboardSettings::PrtScr),
    Number(KB_VAL_CAPS_LOCK, &KeyboardSettings::DisableCapsLock),
    Number(KB_VAL_LEFT_WINDOW, &KeyboardSettings::DisableLeftWindow),
    Number(KB_VAL_RIGHT_WINDOW, &KeyboardSettings::DisableRightWindow),
    Number(KB_VAL_APPLICATION, &KeyboardSettings::DisableApplication),
};

constexpr SettingsKey kPlayerKeys[] = {Key(KB_REG_KEYBOARD, kRoot)};
constexpr SettingsKey kHotKeyKeys[] = {
    Key(KB_REG_KEYBOARD_SEARCH, kSearch),
    Key(KB_REG_KEYBOARD_MAIL, kMail),
    Key(KB_REG_KEYBOARD_MY_COMPUTER, kMyComputer),
    Key(KB_REG_KEYBOARD_CALCULATOR, kCalculator),
};
constexpr SettingsKey kDisplayKeys[] = {Key(KB_REG_KEYBOARD_DISPLAY, kDisplay)};
constexpr SettingsKey kOptionKeys[] = {Key(KB_REG_KEYBOARD_OPTION, kOption)};

template <int N>
constexpr SettingsKeys Keys(const SettingsKey (&keys)[N]) {
    return {keys, N};
}

}  // namespace

SettingsKeys KeysOf(SettingsGroup group) {
    switch (group) {
    case SettingsGroup::Player:
        return Keys(kPlayerKeys);
    case SettingsGroup::HotKeys:
        return Keys(kHotKeyKeys);
    case SettingsGroup::Display:
        return Keys(kDisplayKeys);
    case SettingsGroup::Options:
        break;
    }
    return Keys(kOptionKeys);
}

}  // namespace keysettings
