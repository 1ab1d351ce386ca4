#include "wheelhook/logic/wheel_functions.h"

#include <string.h>

#include "common/private_messages.h"
#include "programstart/logic/app_path_command.h"

void PressKey(WheelPlatform& platform, uint8_t key) {
    platform.KeyDown(key);
    platform.KeyUp(key);
}

namespace {

void RunKeystroke(const WheelFunctionEntry& row, WheelPlatform& platform) {
    const uint8_t held = static_cast<uint8_t>(row.Code1);
    platform.KeyDown(held);
    if (row.Code2 != 0) PressKey(platform, static_cast<uint8_t>(row.Code2));
    platform.KeyUp(held);
}

// The flag records what was last asked of the player, not what it is doing.
void PlayOrStopCd(FunctionContext& context, WheelPlatform& platform) {
    const WindowId player = platform.FindWindowByClass(context.cd_player_class);
    if (player == 0) {
        platform.Execute(kCdPlayerStart, KB_SW_SHOW);
        context.cd_playing = 1;
    } else if (context.cd_playing != 0) {
        context.cd_playing = 0;
        platform.Post(player, KB_WM_COMMAND, kCdPlayerStop);
    } else {
        context.cd_playing = 1;
        platform.Post(player, KB_WM_COMMAND, kCdPlayerPlay);
    }
}

void SendToForeground(const WheelFunctionEntry& row, FunctionContext& context,
                      WheelPlatform& platform) {
    context.saved_foreground = platform.ForegroundWindow();
    if (row.Code1 == KB_WM_LBUTTONDBLCLK) {
        // A genuine double click at the pointer, so the window under it decides what it means.
        for (int click = 0; click < 2; ++click) {
            platform.LeftButtonDown();
            platform.LeftButtonUp();
        }
        return;
    }
    platform.Post(context.saved_foreground, row.Code1, row.Code2);
}

// Room for a launch command line: a command buffer's text and the quotes around it.
constexpr size_t kCommandLineSize = kCommandBufferSize + 2;

// Copies `text` with its NUL into `out`; false, `out` left empty, when it doesn't fit.
bool CopyWhole(const char* text, char* out, size_t size) {
    const size_t length = strlen(text);
    if (length >= size) return false;
    memcpy(out, text, length + 1);
    return true;
}

// The command line a launch row runs in this process. False, `out` empty, when the row at
// `function` is no launch row, its command is empty or it doesn't fit.
bool LaunchCommandLine(const WheelFunctionTable& table, uint32_t function, const LaunchCommands& commands,
                       char* out, size_t size) {
    const WheelFunctionEntry& row = WheelFunctionRow(table, function);
    if (row.Kind != kFunctionLaunch) return false;
    out[0] = '\0';
    switch (row.Code1) {
    case kLaunchExplorer:
        return commands.explorer[0] != '\0' && CopyWhole(commands.explorer, out, size);
    case kLaunchInternetExplorer:
        return commands.internet_explorer[0] != '\0' && AppPathCommandLine(commands.internet_explorer, out, size);
    case kLaunchNetscape:
        return commands.netscape[0] != '\0' && AppPathCommandLine(commands.netscape, out, size);
    default:
        return false;
    }
}

}  // namespace

void RunWheelFunction(const WheelFunctionTable& table, uint32_t function, FunctionContext& context,
                      WheelPlatform& platform) {
    const WheelFunctionEntry& row = WheelFunctionRow(table, function);
    switch (row.Kind) {
    case kFunctionKeystroke:
        RunKeystroke(row, platform);
        break;
    case kFunctionMessage:
        if (&row == &table.Rows[kRowPlayStopCd])
            PlayOrStopCd(context, platform);
        else
            SendToForeground(row, context, platform);
        break;
    case kFunctionLaunch:
        // The command buffers are filled only in the process that owns the zoom window.
        platform.Post(context.zoom_window, WM_LAUNCH_FUNCTION, function);
        break;
    default:
        break;
    }
}

void RunLaunchFunction(const WheelFunctionTable& table, uint32_t function,
                       const LaunchCommands& commands, WheelPlatform& platform) {
    char command_line[kCommandLineSize];
    if (LaunchCommandLine(table, function, commands, command_line, sizeof command_line))
        platform.Execute(command_line, KB_SW_SHOWNORMAL);
}
