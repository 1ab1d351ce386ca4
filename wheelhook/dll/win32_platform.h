// The desktop as the wheel functions and the message hook act on it: direct platform calls.
#pragma once

#include "wheelhook/logic/wheel_platform.h"

// Whether Shift is down, as the message being handled saw the keyboard.
bool ShiftDown();

class Win32WheelPlatform final : public WheelPlatform {
public:
    void KeyDown(uint8_t key) override;
    void KeyUp(uint8_t key) override;
    void LeftButtonDown() override;
    void LeftButtonUp() override;
    WindowId ForegroundWindow() override;
    WindowId FindWindowByClass(const char* class_name) override;
    void Post(WindowId window, uint32_t message, uint32_t wparam) override;
    void Execute(const char* command, int show) override;
};
