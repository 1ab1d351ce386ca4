#include "keypages/tests/wine/popup_stand_in.h"

#include <algorithm>

#include "common/registry_names.h"
#include "common/window_classes.h"
#include "tools/fixtures/sheets/test_registry.h"

namespace kp_test {

using sheet_test::Subkeys;
namespace {

constexpr DWORD kGiveUpMs = 10000;
PopupStandIn* g_stand_in = nullptr;

}  // namespace

PopupStandIn::PopupStandIn() {
    g_stand_in = this;
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    WaitForSingleObject(ready_, kGiveUpMs);
}

PopupStandIn::~PopupStandIn() {
    if (window_ != nullptr) PostMessageA(window_, WM_CLOSE, 0, 0);
    WaitForSingleObject(thread_, kGiveUpMs);
    CloseHandle(thread_);
    CloseHandle(ready_);
    UnregisterClassA(KB_CLASS_AGENT_POPUP, GetModuleHandleA(nullptr));
    g_stand_in = nullptr;
}

std::vector<ReceivedMessage> PopupStandIn::Received() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return received_;
}

void PopupStandIn::Keep(UINT message, WPARAM wParam, LPARAM lParam) {
    ReceivedMessage received = {message, wParam, lParam, {}};
    if (message == WM_WININICHANGE) {
        received.keys_then = Subkeys(HKEY_LOCAL_MACHINE, KB_REG_KEYBOARD);
        std::sort(received.keys_then.begin(), received.keys_then.end());
    }
    std::lock_guard<std::mutex> lock(mutex_);
    received_.push_back(received);
}

LRESULT CALLBACK PopupStandIn::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Only what other threads send: the window's own creation and destruction are not news.
    if (InSendMessage()) g_stand_in->Keep(message, wParam, lParam);
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

DWORD WINAPI PopupStandIn::Run(void* parameter) {
    auto* self = static_cast<PopupStandIn*>(parameter);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = KB_CLASS_AGENT_POPUP;
    RegisterClassA(&wc);
    // Hidden, as the agent keeps its popup between hot keys.
    self->window_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, KB_CLASS_AGENT_POPUP, KB_CLASS_AGENT_POPUP,
                                    WS_POPUP | WS_BORDER, 0, 0, 200, 32, nullptr, nullptr, wc.hInstance, nullptr);
    SetEvent(self->ready_);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message != WM_CLOSE) self->Keep(msg.message, msg.wParam, msg.lParam);
        DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace kp_test
