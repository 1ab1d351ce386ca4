// What the Search, Mail, My Computer and Calculator keys start by the user's mode, and the
// four Office keys' windows and programs.
#pragma once

#include <cstdint>

#include "keysettings/logic/keyboard_settings.h"

enum class ProgramStart {
    None,
    ShellOpen,          // ShellExecuteA "open" of Command, SW_SHOWNORMAL
    RunCommand,         // the command line Command started, SW_SHOW
    BrowserSearchBar,   // Ctrl+E into the browser window, if there is one
    OpenMyComputer,     // the drives folder (CSIDL_DRIVES) by its item list
    WakeCalculator,     // bring "SciCalc" forward, starting "Calc.exe" when it is missing
};

struct ProgramAction {
    ProgramStart start;
    const char* command;  // for ShellOpen and RunCommand; points into the settings or a constant
};

ProgramAction SearchAction(const KeyboardSettings& settings);
ProgramAction MailAction(const KeyboardSettings& settings);
ProgramAction MyComputerAction(const KeyboardSettings& settings);
ProgramAction CalculatorAction(const KeyboardSettings& settings);

constexpr char kCalculatorClass[] = "SciCalc";
constexpr char kCalculatorProgram[] = "Calc.exe";
constexpr unsigned kCalculatorStartWaitMs = 1000;
constexpr char kBrowserProgram[] = "iexplore.exe";
constexpr char kTaskbarClass[] = "Shell_TrayWnd";
// The taskbar's commands that open the shut-down dialog, posted in this order.
constexpr uintptr_t kShutDownCommands[] = {306, 506};

constexpr int kMaxOfficeClasses = 6;

// The Office keys, by index 0 Word, 1 Excel, 2 PowerPoint, 3 Outlook.
struct OfficeApp {
    const char* program;
    int class_count;
    char classes[kMaxOfficeClasses][16];  // tried in order; PowerPoint has one per version
    bool waits_for_window;                // after a start that succeeded; PowerPoint does not
};

// False for an index outside 0 to 3.
bool OfficeAppFor(int index, OfficeApp& app);

// How long the agent waits for an Office application's window after starting it. The wait
// holds the user-interface thread, and the wheel hook and the tray with it, so it ends after
// this even when the window never comes. Ten seconds covers a cold start of Office on the
// machines this runs on, and is about as long as a user bears a wheel that does nothing.
constexpr uint32_t kOfficeWaitLimitMs = 10000;
constexpr uint32_t kOfficeWaitPollMs = 10;

// Whether to look for the window again after `elapsed_ms` of waiting (a tick count difference,
// so it also holds across the counter's wrap).
bool OfficeWaitGoesOn(uint32_t elapsed_ms);

// ShellExecuteA reports failure with a value of 32 or less.
bool ShellStartSucceeded(uintptr_t result);
