#include "keypages/logic/hot_keys.h"

#include "keypages/logic/keypages_resources.h"

namespace keypages {
namespace {

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

const char* ProgramText(const TextField& path, const TextField& name) {
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
        return {settings.SearchMode != 0 ? Choice::Custom : Choice::First, settings.SearchMode != 0, nullptr};
    case kMail:
        return {settings.MailMode != 0 ? Choice::Custom : Choice::First, settings.MailMode != 0,
                ProgramText(settings.MailCustom, settings.MailName)};
    case kMyComputer: {
        const uint32_t mode = settings.MyComputerMode;
        return {mode == 1 ? Choice::Custom : mode == 0 ? Choice::First : Choice::Second, mode == 1,
                ProgramText(settings.MyComputerCustom, settings.MyComputerName)};
    }
    case kCalculator:
        return {settings.CalculatorMode != 0 ? Choice::Custom : Choice::First, settings.CalculatorMode != 0,
                ProgramText(settings.CalculatorCustom, settings.CalculatorName)};
    default:
        return {Choice::First, false, nullptr};
    }
}

void Choose(KeyboardSettings& settings, HotKey key, Choice choice) {
    uint32_t* mode = ModeOf(settings, key);
    if (mode == nullptr) return;
    *mode = choice == Choice::First ? 0 : choice == Choice::Second ? 2 : 1;
}

TextField* ProgramPathOf(KeyboardSettings& settings, HotKey key) {
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

TextField* ProgramNameOf(KeyboardSettings& settings, HotKey key) {
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
