// Performing a wheel-button function, and the deferred launch that the zoom window runs.
#pragma once

#include <stdint.h>

#include "wheelhook/logic/wheel_function_table.h"
#include "wheelhook/logic/wheel_platform.h"

constexpr int kCommandBufferSize = 128;

// The three per-process launch commands, filled when the settings are loaded.
struct LaunchCommands {
    char explorer[kCommandBufferSize];
    char internet_explorer[kCommandBufferSize];
    char netscape[kCommandBufferSize];
};

// CD player commands (WM_COMMAND wParam) and how it is started when it isn't running.
constexpr uint32_t kCdPlayerPlay = 104;
constexpr uint32_t kCdPlayerStop = 105;
constexpr char kCdPlayerStart[] = "CDPlayer.exe /play";

// The shared fields a function changes or uses.
struct FunctionContext {
    WindowId zoom_window;
    const char* cd_player_class;
    uint32_t cd_playing;
    WindowId saved_foreground;
};

// Performs the row selected by `function` for one wheel-button press.
void RunWheelFunction(const WheelFunctionTable& table, uint32_t function, FunctionContext& context,
                      WheelPlatform& platform);

// The zoom window's answer to WM_LAUNCH_FUNCTION: runs the launch row at the current
// "Function", if it is one and its command is not empty: Explorer's name as it is, a browser's
// registered application path quoted (programstart/logic/app_path_command.h).
void RunLaunchFunction(const WheelFunctionTable& table, uint32_t function,
                       const LaunchCommands& commands, WheelPlatform& platform);
