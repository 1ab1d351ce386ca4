// The "Hot Keys" page's decisions, apart from its window: the five programmable hot keys, what
// the page shows for each, which choice is checked, and what a click on a choice stores.
#pragma once

#include "keysettings/logic/keyboard_settings.h"
#include "keysettings/logic/text_field.h"

namespace keypages {

// The hot keys in list order.
enum HotKey { kSearch, kMail, kMyComputer, kCalculator, kPower, kHotKeyCount };

// A list selection or a hot-key button that names no hot key is not one.
bool IsHotKey(int index);

// Resource numbers of a hot key's texts and pictures.
struct HotKeyResources {
    int list_text;
    int description;
    int first_choice;
    int group_title;
    int custom_choice;
    int item_bitmap;
    int picture;
};
HotKeyResources ResourcesOf(HotKey key);

// Which controls a hot key shows. Power shows none of them.
struct KeyControls {
    bool choices;       // the first and the custom choice
    bool second_choice;  // "Windows E&xplorer", My Computer only
    bool address;       // the custom search address, Search only
    bool mail_program;   // the mail-program box, Mail only
    bool program;       // the custom program's name and its Select button
};
KeyControls ControlsOf(HotKey key);

// None: a stored mode the key doesn't know; no radio button is checked and the value is kept.
enum class Choice { None, First, Second, Custom };

// How the stored choice of a hot key is shown.
struct ChoiceView {
    Choice checked;
    bool custom_enabled;  // the Select button, and for Search the address
    // The custom program as the page names it: its on-screen name, else its path without the
    // leading blanks; null when there is no program ("<No selection>"). Keys 1 to 3 only.
    const char* program;
};
ChoiceView ViewOf(const KeyboardSettings& settings, HotKey key);

// The user picked a choice: the key's mode becomes the default (first), Explorer (second) or the
// custom mode. Power stores nothing.
void Choose(KeyboardSettings& settings, HotKey key, Choice choice);

// The custom program fields of Mail, My Computer and Calculator; null for the other keys.
keysettings::TextField* ProgramPathOf(KeyboardSettings& settings, HotKey key);
keysettings::TextField* ProgramNameOf(KeyboardSettings& settings, HotKey key);

}  // namespace keypages
