// The cost of one wheel event in the real library under Wine, with the hook on the agent's
// thread and the list box a notch is for in the foreground, on a thread of its own:
//  - ProcWheel, the work the low-level hook does for a notch (focus lookup, class name, the
//    decision, three posts), called directly; and beside it, taking turns with it, the Win32
//    calls that decision makes, made directly and each timed: its floor, and where the time
//    goes;
//  - a notch injected with SendInput until its three scroll messages have been taken off the
//    queue, which adds the platform's own delivery of the event to the hook.
// Writes the figures to the file named by argv[1].
#include <windows.h>

#include <cstdio>
#include <vector>

#include "common/registry_names.h"
#include "tools/winsupport/bench_clock.h"
#include "tools/winsupport/result_file.h"
#include "wheelhook/bench/notch_calls.h"
#include "wheelhook/bench/scroll_target.h"
#include "wheelhook/wheelhook.h"

using winsupport::Microseconds;
using winsupport::Now;
using winsupport::Percentile;

namespace {

constexpr int kCalls = 2000;
constexpr int kInjected = 300;
constexpr DWORD kLines = 3;
constexpr DWORD kWaitMs = 2000;
// Past this many notches lost the rest would be lost alike: the run ends instead of waiting.
constexpr int kGiveUpAfterLost = 5;

struct Summary {
    double median;
    double p99;
    double worst;
};

Summary Summarise(const std::vector<double>& samples) {
    return {Percentile(samples, 0.5), Percentile(samples, 0.99), Percentile(samples, 1.0)};
}

void WriteLine(FILE* out, const char* what, size_t count, const Summary& s) {
    for (FILE* to : {out, stdout})
        std::fprintf(to, "%-46s n=%-5u median %8.1f us  p99 %8.1f us  worst %9.1f us\n", what,
                     static_cast<unsigned>(count), s.median, s.p99, s.worst);
}

void WriteLines(DWORD lines) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, KB_REG_WHEEL, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    const DWORD zero = 0;
    RegSetValueExA(key, KB_VAL_SCROLL_MODE, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), 4);
    RegSetValueExA(key, KB_VAL_SCROLL_LINE, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&lines), 4);
    RegCloseKey(key);
}

struct NotchTimes {
    std::vector<double> proc_wheel;
    std::vector<double> calls;
    std::vector<double> per_call[kNotchCallCount];
    int attached = 0;
    int lost = 0;
};

// ProcWheel and the bare calls take turns, so that a shared machine's load, and where its
// scheduler puts the threads, weigh on both alike. Each notch's scroll messages are taken by
// the list box's thread before the next notch.
NotchTimes TimeNotches(HWND agent_window, ScrollTarget& target) {
    NotchTimes times;
    MSLLHOOKSTRUCT event = {};
    LONG expected = target.scrolls();
    for (int i = 0; i < kCalls && times.lost < kGiveUpAfterLost; ++i) {
        event.mouseData = static_cast<DWORD>((i % 2 ? -WHEEL_DELTA : WHEEL_DELTA) << 16);
        const LONGLONG start = Now();
        ProcWheel(&event);
        times.proc_wheel.push_back(Microseconds(Now() - start));
        expected += kLines;
        times.lost += !target.WaitForScrolls(expected, kWaitMs);

        const NotchCalls calls = MakeNotchCalls(agent_window, kLines, i % 2 ? SB_LINEDOWN : SB_LINEUP);
        times.calls.push_back(calls.total_us);
        for (int c = 0; c < kNotchCallCount; ++c) times.per_call[c].push_back(calls.call_us[c]);
        times.attached += calls.attached;
        expected += kLines;
        times.lost += !target.WaitForScrolls(expected, kWaitMs);
    }
    return times;
}

// Notches injected with SendInput, from the call until the list box's thread has taken the
// notch's scroll messages; the hook runs while this thread waits.
std::vector<double> TimeInjected(ScrollTarget& target, int* lost) {
    std::vector<double> injected;
    for (int i = 0; i < kInjected && *lost < kGiveUpAfterLost; ++i) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = MOUSEEVENTF_WHEEL;
        input.mi.mouseData = static_cast<DWORD>(i % 2 ? -WHEEL_DELTA : WHEEL_DELTA);
        const LONG expected = target.scrolls() + static_cast<LONG>(kLines);
        const LONGLONG start = Now();
        SendInput(1, &input, sizeof input);
        if (target.WaitForScrolls(expected, kWaitMs)) injected.push_back(Microseconds(Now() - start));
        else ++*lost;
    }
    return injected;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: wheelhook_event_bench RESULT_FILE\n");
        return 2;
    }
    FILE* out = winsupport::OpenResultFile(argv[1]);
    if (!out) return 5;
    WriteLines(kLines);
    ScrollTarget target;
    HWND agent = CreateWindowExA(0, "STATIC", "agent", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    if (!target.ready() || !agent) {
        std::fprintf(stderr, "wheel bench: the windows could not be made, or the list box has no focus\n");
        return 3;
    }
    HWND windows[10] = {agent};
    if (!InstallMouseFilter(1, windows)) return 4;

    const NotchTimes notches = TimeNotches(agent, target);
    int injected_lost = 0;
    const std::vector<double> injected = TimeInjected(target, &injected_lost);
    InstallMouseFilter(0, nullptr);
    DestroyWindow(agent);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, KB_REG_WHEEL);

    std::fprintf(out, "wheelhook: one wheel notch, line mode, %lu lines, list box with the focus on a thread of its own\n",
                 static_cast<unsigned long>(kLines));
    const Summary proc_wheel = Summarise(notches.proc_wheel);
    const Summary calls = Summarise(notches.calls);
    WriteLine(out, "ProcWheel (hook work for one notch)", notches.proc_wheel.size(), proc_wheel);
    WriteLine(out, "the Win32 calls of that notch, made alone", notches.calls.size(), calls);
    std::fprintf(out, "  ProcWheel / calls: %.2fx at the median, %.2fx at the p99; the attach succeeded %d of %d times\n",
                 proc_wheel.median / calls.median, proc_wheel.p99 / calls.p99, notches.attached, kCalls);
    for (int c = 0; c < kNotchCallCount; ++c)
        WriteLine(out, kNotchCallNames[c], notches.per_call[c].size(), Summarise(notches.per_call[c]));
    winsupport::WriteLatencyFigures(out, "procwheel_notch", notches.proc_wheel, notches.calls, "us");
    if (!injected.empty())
        WriteLine(out, "SendInput -> hook -> 3 WM_VSCROLL taken", injected.size(), Summarise(injected));
    std::fprintf(out, "notches whose scroll messages did not come within %lu ms: %d called, %d injected\n",
                 static_cast<unsigned long>(kWaitMs), notches.lost, injected_lost);
    winsupport::WriteFigure(out, "wheel_notches_lost", notches.lost + injected_lost, "notches");
    std::fclose(out);
    return notches.lost == 0 && injected_lost == 0 ? 0 : 6;
}
