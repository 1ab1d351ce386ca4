#include "tools/simulator/desktop/wheel_input.h"

#include <windows.h>

namespace sim {
namespace {

// Long enough for Wine to put what was drawn on the display.
constexpr DWORD kSettleMs = 700;
constexpr DWORD kNotchSpacingMs = 60;

bool ReadyForInput(TextWindow& text, Lines* said) {
    if (!text.is_open()) {
        said->push_back("no text window is open (open text)");
        return false;
    }
    text.Activate();
    Sleep(kNotchSpacingMs);
    return true;
}

}  // namespace

bool TurnWheel(TextWindow& text, int notches, Lines* said) {
    if (!ReadyForInput(text, said)) return false;
    const int before = text.FirstVisibleLine();
    const int count = notches < 0 ? -notches : notches;
    for (int i = 0; i < count; ++i) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.mouseData = static_cast<DWORD>(notches < 0 ? -WHEEL_DELTA : WHEEL_DELTA);
        input.mi.dwFlags = MOUSEEVENTF_WHEEL;
        SendInput(1, &input, sizeof input);
        Sleep(kNotchSpacingMs);
    }
    Sleep(kSettleMs);
    const int after = text.FirstVisibleLine();
    if (after != before) {
        said->push_back(Format("the text scrolled from line %d to line %d at the top (%d notch%s)", before, after, count,
                               count == 1 ? "" : "es"));
        return true;
    }
    said->push_back(Format("the text did not move: line %d is still at the top", after));
    // The agent's wheel hook scrolls the foreground window's focus, whatever the pointer is over.
    char class_name[64] = "none";
    if (HWND foreground = GetForegroundWindow()) GetClassNameA(foreground, class_name, sizeof class_name);
    said->push_back(std::string("the foreground window is of class ") + class_name);
    return true;
}

bool PressWheelButton(TextWindow& text, Lines* said) {
    if (!ReadyForInput(text, said)) return false;
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_MIDDLEDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_MIDDLEUP;
    SendInput(2, input, sizeof input[0]);
    const POINT at = text.Centre();
    said->push_back(Format("the wheel button pressed and let go at (%ld, %ld)", at.x, at.y));
    return true;
}

}  // namespace sim
