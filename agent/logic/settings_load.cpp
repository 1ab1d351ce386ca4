#include "agent/logic/settings_load.h"

#include <cstring>

namespace {

void ReadNumber(SettingsSource& source, const char* name, uint32_t& field) {
    uint32_t value = field;
    uint32_t read = 0;
    if (source.ReadValue(name, &value, sizeof value, &read)) field = value;
}

// Whatever was stored, the field ends up holding a terminated text: a value that filled the
// whole buffer without a NUL of its own loses its last character to the terminator.
void ReadText(SettingsSource& source, const char* name, char (&field)[KB_REG_TEXT_SIZE]) {
    char text[KB_REG_TEXT_SIZE];
    uint32_t read = 0;
    if (!source.ReadValue(name, text, sizeof text, &read)) return;
    if (read > sizeof text) return;
    if (read == sizeof text) {
        text[sizeof text - 1] = '\0';
    } else {
        text[read] = '\0';
    }
    std::memcpy(field, text, sizeof text);
}

template <typename Reader>
void WithKey(SettingsSource& source, const char* path, Reader read) {
    if (!source.OpenKey(path)) return;
    read();
    source.CloseKey();
}

}  // namespace

void LoadRootSettings(SettingsSource& source, KeyboardSettings& settings) {
    WithKey(source, KB_REG_KEYBOARD, [&] { ReadNumber(source, KB_VAL_SELECT, settings.Select); });
}

void LoadProgramSettings(SettingsSource& source, KeyboardSettings& settings) {
    WithKey(source, KB_REG_KEYBOARD_SEARCH, [&] {
        ReadNumber(source, KB_VAL_VALUE, settings.SearchMode);
        ReadText(source, KB_VAL_URL, settings.SearchUrl);
    });
    WithKey(source, KB_REG_KEYBOARD_MAIL, [&] {
        ReadNumber(source, KB_VAL_VALUE, settings.MailMode);
        ReadNumber(source, KB_VAL_DEFAULT, settings.MailDefault);
        ReadText(source, KB_VAL_CUSTOM, settings.MailCustom);
        ReadText(source, KB_VAL_NAME, settings.MailName);
    });
    WithKey(source, KB_REG_KEYBOARD_MY_COMPUTER, [&] {
        ReadNumber(source, KB_VAL_VALUE, settings.MyComputerMode);
        ReadText(source, KB_VAL_CUSTOM, settings.MyComputerCustom);
        ReadText(source, KB_VAL_NAME, settings.MyComputerName);
    });
    WithKey(source, KB_REG_KEYBOARD_CALCULATOR, [&] {
        ReadNumber(source, KB_VAL_VALUE, settings.CalculatorMode);
        ReadText(source, KB_VAL_CUSTOM, settings.CalculatorCustom);
        ReadText(source, KB_VAL_NAME, settings.CalculatorName);
    });
}

void LoadDisplaySettings(SettingsSource& source, KeyboardSettings& settings) {
    WithKey(source, KB_REG_KEYBOARD_DISPLAY, [&] {
        ReadNumber(source, KB_VAL_SHOW_SEARCH, settings.ShowSearch);
        ReadNumber(source, KB_VAL_SHOW_MAIL, settings.ShowMail);
        ReadNumber(source, KB_VAL_SHOW_MEDIA, settings.ShowMedia);
        ReadNumber(source, KB_VAL_SHOW_VOLUME, settings.ShowVolume);
        ReadNumber(source, KB_VAL_SHOW_MY_COMPUTER, settings.ShowMyComputer);
        ReadNumber(source, KB_VAL_SHOW_CALCULATOR, settings.ShowCalculator);
        ReadNumber(source, KB_VAL_DELAY, settings.Delay);
    });
}

void LoadOptionSettings(SettingsSource& source, KeyboardSettings& settings) {
    WithKey(source, KB_REG_KEYBOARD_OPTION, [&] {
        ReadNumber(source, KB_VAL_PRTSCR, settings.PrtScr);
        ReadNumber(source, KB_VAL_CAPS_LOCK, settings.DisableCapsLock);
        ReadNumber(source, KB_VAL_LEFT_WINDOW, settings.DisableLeftWindow);
        ReadNumber(source, KB_VAL_RIGHT_WINDOW, settings.DisableRightWindow);
        ReadNumber(source, KB_VAL_APPLICATION, settings.DisableApplication);
    });
}

void LoadStartSettings(SettingsSource& source, KeyboardSettings& settings) {
    LoadRootSettings(source, settings);
    ReloadSettings(source, settings);
}

void ReloadSettings(SettingsSource& source, KeyboardSettings& settings) {
    LoadProgramSettings(source, settings);
    LoadDisplaySettings(source, settings);
    LoadOptionSettings(source, settings);
}

DISABLE_KEYS_INPUT KeyDisableBlock(const KeyboardSettings& settings) {
    return DISABLE_KEYS_INPUT{settings.DisableCapsLock, settings.DisableLeftWindow, settings.DisableRightWindow,
                              settings.DisableApplication};
}
