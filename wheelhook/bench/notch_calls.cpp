#include "wheelhook/bench/notch_calls.h"

#include "tools/winsupport/bench_clock.h"

using winsupport::Microseconds;
using winsupport::Now;

const char* const kNotchCallNames[kNotchCallCount] = {
    "GetForegroundWindow",
    "GetWindowThreadProcessId (agent)",
    "GetWindowThreadProcessId (foreground)",
    "AttachThreadInput (attach)",
    "GetFocus",
    "AttachThreadInput (detach)",
    "GetKeyState (Shift)",
    "GetClassNameA (focus)",
    "GetWindowLongA (focus style)",
    "GetParent (focus)",
    "IsWindow (target)",
    "PostMessageA (WM_VSCROLL), one a line",
};

namespace {

// Times the calls made since the last lap into their slot.
class Laps {
public:
    explicit Laps(NotchCalls* calls) : calls_(calls), start_(Now()), last_(start_) {}
    void Lap(NotchCall call) {
        const LONGLONG now = Now();
        calls_->call_us[call] = Microseconds(now - last_);
        last_ = now;
    }
    void End() { calls_->total_us = Microseconds(last_ - start_); }

private:
    NotchCalls* calls_;
    LONGLONG start_;
    LONGLONG last_;
};

}  // namespace

NotchCalls MakeNotchCalls(HWND agent_window, int lines, WPARAM direction) {
    NotchCalls calls;
    Laps laps(&calls);
    HWND foreground = GetForegroundWindow();
    laps.Lap(kForegroundWindow);
    const DWORD agent_thread = GetWindowThreadProcessId(agent_window, nullptr);
    laps.Lap(kAgentThread);
    const DWORD foreground_thread = GetWindowThreadProcessId(foreground, nullptr);
    laps.Lap(kForegroundThread);
    calls.attached = AttachThreadInput(agent_thread, foreground_thread, TRUE) != FALSE;
    laps.Lap(kAttach);
    HWND focus = GetFocus();
    laps.Lap(kFocus);
    if (calls.attached) AttachThreadInput(agent_thread, foreground_thread, FALSE);
    laps.Lap(kDetach);
    GetKeyState(VK_SHIFT);
    laps.Lap(kShiftState);
    char class_name[128];
    GetClassNameA(focus, class_name, sizeof class_name);
    laps.Lap(kClassName);
    GetWindowLongA(focus, GWL_STYLE);
    laps.Lap(kStyle);
    GetParent(focus);
    laps.Lap(kParent);
    IsWindow(focus);
    laps.Lap(kIsWindow);
    for (int i = 0; i < lines; ++i) PostMessageA(focus, WM_VSCROLL, direction, 0);
    laps.Lap(kPosts);
    laps.End();
    return calls;
}
