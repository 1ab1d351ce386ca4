// What the wheel-button functions and the message hook do to the desktop: keystrokes, clicks,
// posted messages and program starts. The library's implementation calls the platform
// directly; tests record the calls, because several effects (the Start menu, the Run dialog,
// the CD player) can't be seen on a test desktop.
#pragma once

#include <stdint.h>

#include "wheelhook/logic/window_id.h"

class WheelPlatform {
public:
    virtual void KeyDown(uint8_t key) = 0;
    virtual void KeyUp(uint8_t key) = 0;
    virtual void LeftButtonDown() = 0;
    virtual void LeftButtonUp() = 0;
    virtual WindowId ForegroundWindow() = 0;
    virtual WindowId FindWindowByClass(const char* class_name) = 0;
    // Posts with lParam 0, the only lParam the functions use.
    virtual void Post(WindowId window, uint32_t message, uint32_t wparam) = 0;
    // Starts the program of `command` (a command line) and goes on at once, without waiting
    // for it to be ready.
    virtual void Execute(const char* command, int show) = 0;

protected:
    ~WheelPlatform() = default;
};

// One key pressed and released.
void PressKey(WheelPlatform& platform, uint8_t key);
