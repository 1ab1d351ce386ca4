#include "agent/tests/wine/test_tray.h"

#include <iterator>

#include "common/private_messages.h"
#include "common/window_classes.h"

namespace agenttest {

namespace {

TestTray* g_tray;
std::vector<int> g_deltas;

bool IsTrayMessage(UINT message) { return message >= WM_TRAY_NOTIFY && message <= WM_TRAY_LOCKKEYS; }

LRESULT CALLBACK WheelHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == WM_MOUSEWHEEL) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        g_deltas.push_back(static_cast<short>(HIWORD(event->mouseData)));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TestTray::TestTray() {
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = Procedure;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = KB_CLASS_STATUS_TRAY;
    RegisterClassA(&window_class);
    g_tray = this;
    window_ = CreateWindowExA(0, KB_CLASS_STATUS_TRAY, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              window_class.hInstance, nullptr);
}

TestTray::~TestTray() {
    if (window_) DestroyWindow(window_);
    UnregisterClassA(KB_CLASS_STATUS_TRAY, GetModuleHandleA(nullptr));
    g_tray = nullptr;
}

LRESULT CALLBACK TestTray::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_tray && IsTrayMessage(message)) {
        g_tray->messages_.push_back(TrayMessage{message, wParam});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int TestTray::Count(UINT message) const {
    int count = 0;
    for (const TrayMessage& m : messages_) count += m.message == message;
    return count;
}

bool TestTray::TakeLast(UINT message) {
    for (auto m = messages_.rbegin(); m != messages_.rend(); ++m) {
        if (m->message != message) continue;
        messages_.erase(std::next(m).base());
        return true;
    }
    return false;
}

WheelRecorder::WheelRecorder() : hook_(SetWindowsHookExA(WH_MOUSE_LL, WheelHook, GetModuleHandleA(nullptr), 0)) {
    g_deltas.clear();
}

WheelRecorder::~WheelRecorder() {
    if (hook_) UnhookWindowsHookEx(hook_);
}

const std::vector<int>& WheelRecorder::deltas() const { return g_deltas; }

}  // namespace agenttest
