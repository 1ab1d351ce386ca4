#include "keypages/logic/hot_keys.h"

#include "common/program_modes.h"
#include "keypages/logic/keypages_resources.h"

namespace keypages {
namespace {

// The text without its leading white space.
const char* SkipLeadingBlanks(const char* text) {
    while (*text == ' ' || (*text >= '\t' && *text <= '\r')) ++text;
    return text;
}

uint32_t* ModeOf(KeyboardSettings& settings, HotKey key) {
    switch (key) {
    case kSearch:
        return &settings.SearchMode;
    case kMail:
        return &settings.MailMode;
    case kMyComputer:
        return &settings.MyComputerMode;
    case kCalculator:
        return &settings.CalculatorMode;
    default:
        return nullptr;
    }
}

// Search, Mail and Calculator know the default and the custom mode; the agent does nothing for
// any other stored value, and neither choice shows it.
Choice TwoModeChoice(uint32_t mode) {
    if (mode == KB_MODE_DEFAULT) return Choice::First;
    return mode == KB_MODE_CUSTOM ? Choice::Custom : Choice::None;
}

const char* ProgramText(const keysettings::TextField& path, const keysettings::TextField& name) {
    const char* trimmed = SkipLeadingBlanks(path);
    if (*trimmed == '\0') return nullptr;
    return name[0] != '\0' ? name : trimmed;
}

}  // namespace

bool IsHotKey(int index) {
    return index >= 0 && index < kHotKeyCount;
}

HotKeyResources ResourcesOf(HotKey key) {
    return {IDS_LIST_TEXT_FIRST + key,     IDS_DESCRIPTION_FIRST + key, IDS_FIRST_CHOICE_FIRST + key,
            IDS_GROUP_TITLE_FIRST + key,   IDS_CUSTOM_CHOICE_FIRST + key, IDB_ITEM_FIRST + key,
            IDB_PICTURE_FIRST + key};
}

KeyControls ControlsOf(HotKey key) {
    if (key == kPower) return {};
    return {true, key == kMyComputer, key == kSearch, key == kMail, key != kSearch};
}

ChoiceView ViewOf(const KeyboardSettings& settings, HotKey key) {
    switch (key) {
    case kSearch:
        return {TwoModeChoice(settings.SearchMode), settings.SearchMode == KB_MODE_CUSTOM, nullptr};
    case kMail:
        return {TwoModeChoice(settings.MailMode), settings.MailMode == KB_MODE_CUSTOM,
                ProgramText(settings.MailCustom, settings.MailName)};
    case kMyComputer: {
        // My Computer shows every mode it doesn't know as Windows Explorer.
        const uint32_t mode = settings.MyComputerMode;
        const Choice choice = mode == KB_MODE_CUSTOM ? Choice::Custom : mode == KB_MODE_DEFAULT ? Choice::First : Choice::Second;
        return {choice, mode == KB_MODE_CUSTOM, ProgramText(settings.MyComputerCustom, settings.MyComputerName)};
    }
    case kCalculator:
        return {TwoModeChoice(settings.CalculatorMode), settings.CalculatorMode == KB_MODE_CUSTOM,
                ProgramText(settings.CalculatorCustom, settings.CalculatorName)};
    default:
        return {Choice::First, false, nullptr};
    }
}

void Choose(KeyboardSettings& settings, HotKey key, Choice choice) {
    uint32_t* mode = ModeOf(settings, key);
    if (mode == nullptr) return;
    if (choice == Choice::None) return;
    *mode = choice == Choice::First ? KB_MODE_DEFAULT : choice == Choice::Second ? KB_MODE_EXPLORER : KB_MODE_CUSTOM;
}

keysettings::TextField* ProgramPathOf(KeyboardSettings& settings, HotKey key) {
    switch (key) {
    case kMail:
        return &settings.MailCustom;
    case kMyComputer:
        return &settings.MyComputerCustom;
    case kCalculator:
        return &settings.CalculatorCustom;
    default:
        return nullptr;
    }
}

keysettings::TextField* ProgramNameOf(KeyboardSettings& settings, HotKey key) {
    switch (key) {
    case kMail:
        return &settings.MailName;
    case kMyComputer:
        return &settings.MyComputerName;
    case kCalculator:
        return &settings.CalculatorName;
    default:
        return nullptr;
    }
}

}  // namespace keypages
