// What every page of the Keyboard control panel shares: its own copy of the settings, read
// when the page is first shown and written when the sheet applies it, and the agent's popup
// window, told to reload after each write.
#pragma once

#include <windows.h>

#include "keysettings/logic/keyboard_settings.h"
#include "keysettings/logic/settings_store.h"
#include "sheetext/win32/settings_page.h"

namespace keypages {

// A check box that shows one number field.
struct CheckBoxField {
    int control;
    uint32_t KeyboardSettings::*field;
};

// Each page's OnInitDialog runs once the agent's popup window is looked up and the page's keys
// are read into settings_ (from zeros).
class KeyboardPage : public sheetext::CSettingsPage {
protected:
    KeyboardPage(sheetext::CShellExtension* owner, int template_id, keysettings::SettingsGroup group)
        : CSettingsPage(owner, template_id), group_(group) {}

    // Check boxes show their fields as stored; a click stores the box's state, and TakeCheckBox
    // is true when the control is one of the boxes.
    template <int N>
    void ShowCheckBoxes(HWND page, const CheckBoxField (&boxes)[N]) const {
        for (const CheckBoxField& box : boxes) CheckDlgButton(page, box.control, settings_.*box.field);
    }
    template <int N>
    bool TakeCheckBox(HWND page, const CheckBoxField (&boxes)[N], int control) {
        for (const CheckBoxField& box : boxes) {
            if (box.control != control) continue;
            settings_.*box.field = IsDlgButtonChecked(page, control);
            return true;
        }
        return false;
    }

    KeyboardSettings settings_ = {};

private:
    void LoadSettings() final;
    // OK or Apply writes the page's keys and tells the agent.
    void OnApply(HWND page) final;

    keysettings::SettingsGroup group_;
    HWND popup_ = nullptr;  // found when the page is initialised, or none
};

// A string of the module, empty when it is missing.
class ModuleString {
public:
    explicit ModuleString(int id);
    const char* get() const { return text_; }

private:
    char text_[256] = {};
};

}  // namespace keypages
