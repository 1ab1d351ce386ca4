#include "wheelhook/dll/win32_platform.h"

#include <windows.h>

#include "programstart/win32/start_program.h"
#include "wheelhook/dll/window_ids.h"

bool ShiftDown() { return (GetKeyState(VK_SHIFT) & 0x80) != 0; }

void Win32WheelPlatform::KeyDown(uint8_t key) { keybd_event(key, 0, 0, 0); }

void Win32WheelPlatform::KeyUp(uint8_t key) { keybd_event(key, 0, KEYEVENTF_KEYUP, 0); }

void Win32WheelPlatform::LeftButtonDown() { mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0); }

void Win32WheelPlatform::LeftButtonUp() { mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0); }

WindowId Win32WheelPlatform::ForegroundWindow() { return IdOf(GetForegroundWindow()); }

WindowId Win32WheelPlatform::FindWindowByClass(const char* class_name) {
    return IdOf(FindWindowA(class_name, nullptr));
}

void Win32WheelPlatform::Post(WindowId window, uint32_t message, uint32_t wparam) {
    PostMessageA(WindowOf(window), message, wparam, 0);
}

void Win32WheelPlatform::Execute(const char* command, int show) { StartProgram(command, show); }
