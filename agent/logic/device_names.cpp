#include "agent/logic/device_names.h"

#include <cstring>

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithIgnoringCase(const char* name, const char* prefix) {
    if (name == nullptr) return false;
    for (; *prefix; ++name, ++prefix) {
        if (*name == '\0' || Lower(*name) != Lower(*prefix)) return false;
    }
    return true;
}

}  // namespace

bool IsKeyboardInterfaceName(const char* name) {
    return StartsWithIgnoringCase(name, "\\\\?\\Hid#Vid_1f3c&Pid_3801&MI_00#");
}

bool IsHotKeyInterfaceName(const char* name) {
    return StartsWithIgnoringCase(name, "\\\\?\\Hid#Vid_1f3c&Pid_3801&MI_01&Col01#");
}
