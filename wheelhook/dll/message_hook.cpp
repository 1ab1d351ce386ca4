// The message hook: runs in every GUI thread and rewrites the wheel messages that still reach
// an application. It only reads the shared state.
#include "wheelhook/dll/hooks.h"

#include "wheelhook/dll/shared_state.h"
#include "wheelhook/dll/win32_platform.h"
#include "wheelhook/logic/message_rewrite.h"

namespace {

void Rewrite(MSG& message) {
    const WheelRewrite rewrite =
        RewriteWheelMessage(g_shared.Settings, static_cast<uint32_t>(message.wParam), ShiftDown());
    message.wParam = rewrite.wparam;
    Win32WheelPlatform platform;
    for (uint32_t i = 0; i < rewrite.key_count; ++i) PressKey(platform, rewrite.key);
}

}  // namespace

LRESULT CALLBACK WheelMessageHook(int code, WPARAM wParam, LPARAM lParam) {
    // wParam non-zero: the message is being taken off the queue, so it is seen once.
    if (code == HC_ACTION && wParam != 0) {
        MSG* message = reinterpret_cast<MSG*>(lParam);
        if (message && message->message == WM_MOUSEWHEEL) Rewrite(*message);
    }
    return CallNextHookEx(g_shared.MessageHook, code, wParam, lParam);
}
