#include "agent/logic/desk_actions.h"

#include "common/win32_numbers.h"

namespace {

constexpr int kHomeKeyIndex = 4;
constexpr char kBrowserClass[] = "IEFrame";
constexpr char kExplorerClass[] = "ExploreWClass";

// A program in the background may take the foreground only right after input of its own: a
// Shift pressed and released by the agent earns it, and types nothing.
void PressOwnKey(ActionDesk& desk) {
    desk.Key(KB_VK_SHIFT, false);
    desk.Key(KB_VK_SHIFT, true);
}

// Brings the Calculator forward, starting "Calc.exe" when there is none; its start is waited
// for one second, the only pause of the program keys.
void WakeCalculator(ActionDesk& desk) {
    DeskWindow calculator = desk.FindByClass(kCalculatorClass);
    if (!calculator) {
        desk.StartProgram(kCalculatorProgram);
        desk.Pause(kCalculatorStartWaitMs);
        calculator = desk.FindByClass(kCalculatorClass);
    }
    PressOwnKey(desk);
    if (!calculator) return;
    desk.ShowRestored(calculator);
    desk.BringForward(calculator);
}

}  // namespace

DeskWindow FindBrowser(ActionDesk& desk) {
    const DeskWindow foreground = desk.Foreground();
    if (foreground && (desk.HasClass(foreground, kBrowserClass) || desk.HasClass(foreground, kExplorerClass)))
        return foreground;
    return desk.FindByClass(kBrowserClass);
}

bool TypeIntoBrowser(ActionDesk& desk, DeskWindow browser, const KeySequence& sequence) {
    if (desk.Foreground() != browser) {
        PressOwnKey(desk);
        desk.BringForward(browser);
    }
    desk.Pause(sequence.lead_pause_ms);
    uint8_t held[kMaxKeyStrokes];
    int held_count = 0;
    for (int i = 0; i < sequence.count; ++i) {
        const KeyStroke& stroke = sequence.strokes[i];
        if (!stroke.release && desk.Foreground() != browser) {
            while (held_count > 0) desk.Key(held[--held_count], true);
            return false;
        }
        desk.Key(stroke.virtual_key, stroke.release);
        if (!stroke.release) {
            held[held_count++] = stroke.virtual_key;
        } else if (held_count > 0 && held[held_count - 1] == stroke.virtual_key) {
            --held_count;
        }
        desk.Pause(stroke.pause_ms);
    }
    return true;
}

bool PerformBrowserKey(ActionDesk& desk, int index) {
    if (const DeskWindow browser = FindBrowser(desk)) return TypeIntoBrowser(desk, browser, BrowserKeySequence(index));
    if (index != kHomeKeyIndex) return false;
    desk.ShellOpen(kBrowserProgram);
    return true;
}

void PerformProgramStart(ActionDesk& desk, const ProgramAction& action) {
    switch (action.start) {
    case ProgramStart::None:
        break;
    case ProgramStart::ShellOpen:
        desk.ShellOpen(action.command);
        break;
    case ProgramStart::RunCommand:
        desk.StartProgram(action.command);
        break;
    case ProgramStart::BrowserSearchBar:
        if (const DeskWindow browser = FindBrowser(desk)) TypeIntoBrowser(desk, browser, SearchKeySequence());
        break;
    case ProgramStart::OpenMyComputer:
        desk.OpenMyComputer();
        break;
    case ProgramStart::WakeCalculator:
        WakeCalculator(desk);
        break;
    }
}
