// The low-level mouse hook: runs on the agent's thread and sees every mouse event first.
#include "wheelhook/dll/hooks.h"

#include "wheelhook/dll/shared_state.h"
#include "wheelhook/dll/win32_platform.h"
#include "wheelhook/dll/window_ids.h"
#include "wheelhook/logic/low_level_route.h"
#include "wheelhook/logic/scroll_decision.h"
#include "wheelhook/logic/wheel_functions.h"
#include "wheelhook/wheelhook.h"

namespace {

void RunAssignedFunction() {
    FunctionContext context = {IdOf(g_shared.ZoomWindow), g_shared.CdPlayerClass,
                               g_shared.CdPlaying, IdOf(g_shared.SavedForeground)};
    Win32WheelPlatform platform;
    RunWheelFunction(g_shared.Functions, g_shared.Settings.Function, context, platform);
    g_shared.CdPlaying = context.cd_playing;
    g_shared.SavedForeground = WindowOf(context.saved_foreground);
}

}  // namespace

LRESULT CALLBACK WheelLowLevelHook(int code, WPARAM wParam, LPARAM lParam) {
    auto* event = reinterpret_cast<MSLLHOOKSTRUCT*>(lParam);
    const LowLevelAction action =
        RouteLowLevelEvent(code, static_cast<uint32_t>(wParam), g_shared.WheelMessage,
                           g_shared.Settings.WheelButton, g_shared.ZoomOpen != 0);
    switch (action) {
    case LowLevelAction::Wheel:
        if (ProcWheel(event) == kWheelConsumed) return 1;
        break;
    case LowLevelAction::OpenZoom:
        OpenZoom(event->pt);
        return 1;
    case LowLevelAction::CloseZoom:
        CloseZoom();
        return 1;
    case LowLevelAction::FollowZoom:
        PlaceZoomWindow(event->pt.x, event->pt.y);
        break;
    case LowLevelAction::RunFunction:
        RunAssignedFunction();
        return 1;
    case LowLevelAction::PassOn:
        break;
    }
    return CallNextHookEx(g_shared.LowLevelHook, code, wParam, lParam);
}
