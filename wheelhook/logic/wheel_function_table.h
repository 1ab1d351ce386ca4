// The wheel-button function table: 31 rows whose positions are also the positions of the
// function names in the mouse settings page, so the row numbers are a contract with it.
#pragma once

#include <stdint.h>

#include "common/wheel_button_modes.h"
#include "common/win32_numbers.h"

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

struct WheelFunctionTable {
    WheelFunctionEntry Rows[KB_WHEEL_FUNCTION_COUNT];
};

constexpr uint32_t kRowExplorer = 27;
constexpr uint32_t kRowPlayStopCd = 28;
constexpr uint32_t kRowInternetExplorer = 29;
constexpr uint32_t kRowNetscape = 30;

constexpr WheelFunctionTable kInitialWheelFunctionTable = {{
    {kFunctionNone, 0, 0},                                    //  0 [unassigned]
    {kFunctionKeystroke, KB_VK_BACK, 0},                       //  1 Backspace
    {kFunctionMessage, KB_WM_SYSCOMMAND, KB_SC_CLOSE},     //  2 Close application
    {kFunctionKeystroke, KB_VK_DELETE, 0},                     //  3 Delete
    {kFunctionMessage, KB_WM_LBUTTONDBLCLK, 0},               //  4 Double click
    {kFunctionKeystroke, KB_VK_RETURN, 0},                     //  5 Enter
    {kFunctionKeystroke, KB_VK_ESCAPE, 0},                     //  6 Escape
    {kFunctionKeystroke, KB_VK_F1, 0},                         //  7 F1[Help]
    {kFunctionKeystroke, KB_VK_F1 + 1, 0},                     //  8 F2
    {kFunctionKeystroke, KB_VK_F1 + 2, 0},                     //  9 F3
    {kFunctionKeystroke, KB_VK_F1 + 3, 0},                     // 10 F4
    {kFunctionKeystroke, KB_VK_F1 + 4, 0},                     // 11 F5
    {kFunctionKeystroke, KB_VK_F1 + 5, 0},                     // 12 F6
    {kFunctionKeystroke, KB_VK_F1 + 6, 0},                     // 13 F7
    {kFunctionKeystroke, KB_VK_F1 + 7, 0},                     // 14 F8
    {kFunctionKeystroke, KB_VK_F1 + 8, 0},                     // 15 F9
    {kFunctionKeystroke, KB_VK_F1 + 9, 0},                     // 16 F10
    {kFunctionKeystroke, KB_VK_F1 + 10, 0},                    // 17 F11
    {kFunctionKeystroke, KB_VK_F1 + 11, 0},                    // 18 F12
    {kFunctionMessage, KB_WM_SYSCOMMAND, KB_SC_MAXIMIZE},  // 19 Maximize
    {kFunctionMessage, KB_WM_SYSCOMMAND, KB_SC_MINIMIZE},  // 20 Minimize
    {kFunctionKeystroke, KB_VK_NEXT, 0},                       // 21 Page Down
    {kFunctionKeystroke, KB_VK_PRIOR, 0},                      // 22 Page Up
    {kFunctionMessage, KB_WM_SYSCOMMAND, KB_SC_RESTORE},   // 23 Restore Application
    {kFunctionKeystroke, KB_VK_LWIN, 0},                       // 24 Start Menu
    {kFunctionKeystroke, KB_VK_LWIN, 'R'},                     // 25 Run (Windows key + R)
    {kFunctionKeystroke, KB_VK_LWIN, 'F'},                     // 26 Find Document (Windows key + F)
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
