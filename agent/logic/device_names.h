// Which of the receiver's interfaces a device-interface name belongs to, by its first 32 or 38
// characters compared without regard to case.
#pragma once

// The keyboard interface ("\\?\Hid#Vid_1f3c&Pid_3801&MI_00#") and the first collection of the
// hot-key interface ("\\?\Hid#Vid_1f3c&Pid_3801&MI_01&Col01#").
bool IsKeyboardInterfaceName(const char* name);
bool IsHotKeyInterfaceName(const char* name);
