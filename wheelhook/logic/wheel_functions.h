// Performing a wheel-button function, and the deferred launch that the zoom window runs.
#pragma once

#include <stdint.h>

#include "wheelhook/logic/wheel_function_table.h"
#include "wheelhook/logic/wheel_platform.h"

constexpr int kCommandBufferSize = 128;

// The three per-process launch commands, filled when the settings are loaded.
struct LaunchCommands {
    char Explorer[kCommandBufferSize];
    char InternetExplorer[kCommandBufferSize];
    char Netscape[kCommandBufferSize];
};

// CD player commands (WM_COMMAND wParam) and how it is started when it isn't running.
constexpr uint32_t kCdPlayerPlay = 104;
constexpr uint32_t kCdPlayerStop = 105;
#define KB_CD_PLAYER_START "CDPlayer.exe /play"

// The shared fields a function changes or uses.
struct FunctionContext {
    WindowId ZoomWindow;
    const char* CdPlayerClass;
    uint32_t CdPlaying;
    WindowId SavedForeground;
};

// Performs the row selected by `function` for one wheel-button press.
void RunWheelFunction(const WheelFunctionTable& table, uint32_t function, FunctionContext& context,
                      WheelPlatform& platform);

// The command a launch row runs in this process, or null when the row at `function` is no
// launch row or its command is empty.
const char* LaunchCommandText(const WheelFunctionTable& table, uint32_t function,
                              const LaunchCommands& commands);

// The zoom window's answer to WM_LAUNCH_FUNCTION: runs the launch row at the current
// "Function", if it is one.
void RunLaunchFunction(const WheelFunctionTable& table, uint32_t function,
                       const LaunchCommands& commands, WheelPlatform& platform);
