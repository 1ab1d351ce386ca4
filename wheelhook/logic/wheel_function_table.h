// The wheel-button function table: 31 rows whose positions are also the positions of the
// function names in the mouse settings page, so the row numbers are a contract with it.
#pragma once

#include <stdint.h>

#include "wheelhook/logic/platform_codes.h"

enum FunctionKind : uint32_t {
    kFunctionNone = 0,
    kFunctionKeystroke = 1,  // code 1 a virtual key, code 2 a key pressed while it is held, or 0
    kFunctionMessage = 2,    // code 1 a window message, code 2 its wParam
    kFunctionLaunch = 3,     // code 1 a LaunchCommand, code 2 0
};

// Which launch command buffer a launch row uses. The table lives in memory shared between
// processes while the buffers are per process, so a row names its buffer instead of pointing
// at it; 0 means the settings have not been loaded yet and there is nothing to run.
enum LaunchCommand : uint32_t {
    kLaunchUnbound = 0,
    kLaunchExplorer = 1,
    kLaunchInternetExplorer = 2,
    kLaunchNetscape = 3,
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
    {kFunctionNone, 0, 0},                                    //  0 [unassigned]
    {kFunctionKeystroke, vk::kBack, 0},                       //  1 Backspace
    {kFunctionMessage, msg::kSysCommand, syscmd::kClose},     //  2 Close application
    {kFunctionKeystroke, vk::kDelete, 0},                     //  3 Delete
    {kFunctionMessage, KB_WM_LBUTTONDBLCLK, 0},               //  4 Double click
    {kFunctionKeystroke, vk::kReturn, 0},                     //  5 Enter
    {kFunctionKeystroke, vk::kEscape, 0},                     //  6 Escape
    {kFunctionKeystroke, vk::kF1, 0},                         //  7 F1[Help]
    {kFunctionKeystroke, vk::kF1 + 1, 0},                     //  8 F2
    {kFunctionKeystroke, vk::kF1 + 2, 0},                     //  9 F3
    {kFunctionKeystroke, vk::kF1 + 3, 0},                     // 10 F4
    {kFunctionKeystroke, vk::kF1 + 4, 0},                     // 11 F5
    {kFunctionKeystroke, vk::kF1 + 5, 0},                     // 12 F6
    {kFunctionKeystroke, vk::kF1 + 6, 0},                     // 13 F7
    {kFunctionKeystroke, vk::kF1 + 7, 0},                     // 14 F8
    {kFunctionKeystroke, vk::kF1 + 8, 0},                     // 15 F9
    {kFunctionKeystroke, vk::kF1 + 9, 0},                     // 16 F10
    {kFunctionKeystroke, vk::kF1 + 10, 0},                    // 17 F11
    {kFunctionKeystroke, vk::kF1 + 11, 0},                    // 18 F12
    {kFunctionMessage, msg::kSysCommand, syscmd::kMaximize},  // 19 Maximize
    {kFunctionMessage, msg::kSysCommand, syscmd::kMinimize},  // 20 Minimize
    {kFunctionKeystroke, vk::kNext, 0},                       // 21 Page Down
    {kFunctionKeystroke, vk::kPrior, 0},                      // 22 Page Up
    {kFunctionMessage, msg::kSysCommand, syscmd::kRestore},   // 23 Restore Application
    {kFunctionKeystroke, vk::kLWin, 0},                       // 24 Start Menu
    {kFunctionKeystroke, vk::kLWin, 'R'},                     // 25 Run (Windows key + R)
    {kFunctionKeystroke, vk::kLWin, 'F'},                     // 26 Find Document (Windows key + F)
    {kFunctionLaunch, kLaunchUnbound, 0},                     // 27 Explorer
    {kFunctionMessage, 0, 0},                                 // 28 Play/Stop CD
    {kFunctionLaunch, kLaunchUnbound, 0},                     // 29 MS Internet Explorer
    {kFunctionLaunch, kLaunchUnbound, 0},                     // 30 Netscape Navigator
}};

// The row a stored "Function" selects. The settings page writes 0 to 30 only, but the registry
// may hold anything: a value outside the table selects row 0, which does nothing.
const WheelFunctionEntry& WheelFunctionRow(const WheelFunctionTable& table, uint32_t function);

// Gives the launch rows their commands; done each time the settings are loaded.
void BindLaunchCommands(WheelFunctionTable& table);
