#include "agent/logic/action_programs.h"

#include <cstdio>

#include "common/program_modes.h"

ProgramAction SearchAction(const KeyboardSettings& settings) {
    if (settings.SearchMode == KB_MODE_DEFAULT) return {ProgramStart::BrowserSearchBar, nullptr};
    if (settings.SearchMode == KB_MODE_CUSTOM) return {ProgramStart::ShellOpen, settings.SearchUrl};
    return {ProgramStart::None, nullptr};
}

ProgramAction MailAction(const KeyboardSettings& settings) {
    if (settings.MailMode == KB_MODE_CUSTOM) return {ProgramStart::RunCommand, settings.MailCustom};
    if (settings.MailMode != KB_MODE_DEFAULT) return {ProgramStart::None, nullptr};
    if (settings.MailDefault == 0) return {ProgramStart::ShellOpen, "msimn.exe"};
    if (settings.MailDefault == 1) return {ProgramStart::ShellOpen, "Outlook.exe"};
    return {ProgramStart::None, nullptr};
}

ProgramAction MyComputerAction(const KeyboardSettings& settings) {
    switch (settings.MyComputerMode) {
    case KB_MODE_DEFAULT:
        return {ProgramStart::OpenMyComputer, nullptr};
    case KB_MODE_CUSTOM:
        return {ProgramStart::RunCommand, settings.MyComputerCustom};
    case KB_MODE_EXPLORER:
        return {ProgramStart::ShellOpen, "Explorer.exe"};
    default:
        return {ProgramStart::None, nullptr};
    }
}

ProgramAction CalculatorAction(const KeyboardSettings& settings) {
    if (settings.CalculatorMode == KB_MODE_DEFAULT) return {ProgramStart::WakeCalculator, kCalculatorProgram};
    if (settings.CalculatorMode == KB_MODE_CUSTOM) return {ProgramStart::RunCommand, settings.CalculatorCustom};
    return {ProgramStart::None, nullptr};
}

bool OfficeAppFor(int index, OfficeApp& app) {
    app = OfficeApp{};
    switch (index) {
    case 0:
        app = {"Winword.exe", 1, {"OpusApp"}, true};
        return true;
    case 1:
        app = {"Excel.exe", 1, {"XLMAIN"}, true};
        return true;
    case 2:
        app.program = "Powerpnt.exe";
        app.class_count = kMaxOfficeClasses;
        for (int version = 7; version < 7 + kMaxOfficeClasses; ++version)
            std::snprintf(app.classes[version - 7], sizeof app.classes[0], "PP%dFrameClass", version);
        app.waits_for_window = false;
        return true;
    case 3:
        app = {"outlook.exe", 1, {"rctrl_renwnd32"}, true};
        return true;
    default:
        return false;
    }
}

bool OfficeWaitGoesOn(uint32_t elapsed_ms) { return elapsed_ms < kOfficeWaitLimitMs; }

bool ShellStartSucceeded(uintptr_t result) { return result > 32; }
