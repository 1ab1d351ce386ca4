#include "wheelhook/logic/wheel_functions.h"

#include "common/private_messages.h"

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
        platform.Execute(kCdPlayerStart, kShow);
        context.cd_playing = 1;
    } else if (context.cd_playing != 0) {
        context.cd_playing = 0;
        platform.Post(player, msg::kCommand, kCdPlayerStop);
    } else {
        context.cd_playing = 1;
        platform.Post(player, msg::kCommand, kCdPlayerPlay);
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

const char* LaunchCommandText(const WheelFunctionTable& table, uint32_t function,
                              const LaunchCommands& commands) {
    const WheelFunctionEntry& row = WheelFunctionRow(table, function);
    if (row.Kind != kFunctionLaunch) return nullptr;
    const char* text = nullptr;
    switch (row.Code1) {
    case kLaunchExplorer: text = commands.explorer; break;
    case kLaunchInternetExplorer: text = commands.internet_explorer; break;
    case kLaunchNetscape: text = commands.netscape; break;
    default: return nullptr;
    }
    return text[0] != '\0' ? text : nullptr;
}

void RunLaunchFunction(const WheelFunctionTable& table, uint32_t function,
                       const LaunchCommands& commands, WheelPlatform& platform) {
    if (const char* command = LaunchCommandText(table, function, commands))
        platform.Execute(command, kShowNormal);
}
