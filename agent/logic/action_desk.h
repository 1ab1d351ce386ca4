// The desktop as the hot keys' actions use it: the windows they look for and bring forward,
// the keys they type, the programs they start and the pauses between. The agent's desk makes
// the platform's calls one for one; the host tests prove the actions' order, pauses and
// refusals against a desk that records.
#pragma once

#include <cstdint>

// A top-level window; 0 for none.
using DeskWindow = uintptr_t;

class ActionDesk {
public:
    virtual DeskWindow Foreground() = 0;
    virtual DeskWindow FindByClass(const char* window_class) = 0;
    virtual bool HasClass(DeskWindow window, const char* window_class) = 0;
    // Asks for `window` to come to the front. Windows 2000 and XP refuse a program that had
    // none of the last input, and the window then stays where it was.
    virtual void BringForward(DeskWindow window) = 0;
    // A minimised window restored, a hidden one shown.
    virtual void ShowRestored(DeskWindow window) = 0;
    // One key pressed or released, as typed at the keyboard: it goes to the window in front.
    virtual void Key(uint8_t virtual_key, bool release) = 0;
    virtual void Pause(uint32_t ms) = 0;
    // Starts a command line and returns once the program exists, without waiting for it to
    // settle.
    virtual void StartProgram(const char* command_line) = 0;
    // The shell's "open" of a file, a program or an address.
    virtual void ShellOpen(const char* file) = 0;
    virtual void OpenMyComputer() = 0;

protected:
    ~ActionDesk() = default;
};
