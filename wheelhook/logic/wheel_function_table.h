// The wheel-button function table: 31 rows whose positions are also the positions of the
// function names in the mouse settings page, so the row numbers are a contract with it.
#pragma once

#include <stdint.h>

#include "wheelhook/logic/platform_codes.h"

enum FunctionKind : uint32_t {
    FUNCTION_NONE = 0,
    FUNCTION_KEYSTROKE = 1,  // code 1 a virtual key, code 2 a key pressed while it is held, or 0
    FUNCTION_MESSAGE = 2,    // code 1 a window message, code 2 its wParam
    FUNCTION_LAUNCH = 3,     // code 1 a LaunchCommand, code 2 0
};

// Which launch command buffer a launch row uses. The table lives in memory shared between
// processes while the buffers are per process, so a row names its buffer instead of pointing
// at it; 0 means the settings have not been loaded yet and there is nothing to run.
enum LaunchCommand : uint32_t {
    LAUNCH_UNBOUND = 0,
    LAUNCH_EXPLORER = 1,
    LAUNCH_INTERNET_EXPLORER = 2,
    LAUNCH_NETSCAPE = 3,
};

struct WheelFunctionEntry {
    uint32_t Kind;
    uint32_t Code1;
    uint32_t Code2;
};

constexpr uint32_t kWheelFunctionCount = 31;

struct WheelFunctionTable {
    WheelFunctionEntry Rows[kWheelFunctionCount];
};

constexpr uint32_t kRowExplorer = 27;
constexpr uint32_t kRowPlayStopCd = 28;
constexpr uint32_t kRowInternetExplorer = 29;
constexpr uint32_t kRowNetscape = 30;

constexpr WheelFunctionTable kInitialWheelFunctionTable = {{
    {FUNCTION_NONE, 0, 0},                                    //  0 [unassigned]
    {FUNCTION_KEYSTROKE, vk::kBack, 0},                       //  1 Backspace
    {FUNCTION_MESSAGE, msg::kSysCommand, syscmd::kClose},     //  2 Close application
    {FUNCTION_KEYSTROKE, vk::kDelete, 0},                     //  3 Delete
    {FUNCTION_MESSAGE, KB_WM_LBUTTONDBLCLK, 0},               //  4 Double click
    {FUNCTION_KEYSTROKE, vk::kReturn, 0},                     //  5 Enter
    {FUNCTION_KEYSTROKE, vk::kEscape, 0},                     //  6 Escape
    {FUNCTION_KEYSTROKE, vk::kF1, 0},                         //  7 F1[Help]
    {FUNCTION_KEYSTROKE, vk::kF1 + 1, 0},                     //  8 F2
    {FUNCTION_KEYSTROKE, vk::kF1 + 2, 0},                     //  9 F3
    {FUNCTION_KEYSTROKE, vk::kF1 + 3, 0},                     // 10 F4
    {FUNCTION_KEYSTROKE, vk::kF1 + 4, 0},                     // 11 F5
    {FUNCTION_KEYSTROKE, vk::kF1 + 5, 0},                     // 12 F6
    {FUNCTION_KEYSTROKE, vk::kF1 + 6, 0},                     // 13 F7
    {FUNCTION_KEYSTROKE, vk::kF1 + 7, 0},                     // 14 F8
    {FUNCTION_KEYSTROKE, vk::kF1 + 8, 0},                     // 15 F9
    {FUNCTION_KEYSTROKE, vk::kF1 + 9, 0},                     // 16 F10
    {FUNCTION_KEYSTROKE, vk::kF1 + 10, 0},                    // 17 F11
    {FUNCTION_KEYSTROKE, vk::kF1 + 11, 0},                    // 18 F12
    {FUNCTION_MESSAGE, msg::kSysCommand, syscmd::kMaximize},  // 19 Maximize
    {FUNCTION_MESSAGE, msg::kSysCommand, syscmd::kMinimize},  // 20 Minimize
    {FUNCTION_KEYSTROKE, vk::kNext, 0},                       // 21 Page Down
    {FUNCTION_KEYSTROKE, vk::kPrior, 0},                      // 22 Page Up
    {FUNCTION_MESSAGE, msg::kSysCommand, syscmd::kRestore},   // 23 Restore Application
    {FUNCTION_KEYSTROKE, vk::kLWin, 0},                       // 24 Start Menu
    {FUNCTION_KEYSTROKE, vk::kLWin, 'R'},                     // 25 Run (Windows key + R)
    {FUNCTION_KEYSTROKE, vk::kLWin, 'F'},                     // 26 Find Document (Windows key + F)
    {FUNCTION_LAUNCH, LAUNCH_UNBOUND, 0},                     // 27 Explorer
    {FUNCTION_MESSAGE, 0, 0},                                 // 28 Play/Stop CD
    {FUNCTION_LAUNCH, LAUNCH_UNBOUND, 0},                     // 29 MS Internet Explorer
    {FUNCTION_LAUNCH, LAUNCH_UNBOUND, 0},                     // 30 Netscape Navigator
}};

// The row a stored "Function" selects. The settings page writes 0 to 30 only, but the registry
// may hold anything: a value outside the table selects row 0, which does nothing.
const WheelFunctionEntry& WheelFunctionRow(const WheelFunctionTable& table, uint32_t function);

// Gives the launch rows their commands; done each time the settings are loaded.
void BindLaunchCommands(WheelFunctionTable& table);
