// The cost of one wheel event in the real library under Wine:
//  - ProcWheel, the work the low-level hook does for a notch (focus lookup, class name, the
//    decision, three posts), called directly;
//  - a notch injected with SendInput until its three scroll messages have been taken off the
//    queue, which adds the platform's own delivery of the event to the hook.
// Writes median and worst of each to the file named by argv[1].
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "common/registry_names.h"
#include "tools/winsupport/bench_clock.h"
#include "tools/winsupport/result_file.h"
#include "wheelhook/wheelhook.h"

using winsupport::Microseconds;
using winsupport::Now;

namespace {

constexpr int kCalls = 2000;
constexpr int kInjected = 300;
constexpr DWORD kLines = 3;

int DrainScrolls(HWND list) {
    int scrolls = 0;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.hwnd == list && msg.message == WM_VSCROLL) ++scrolls;
        DispatchMessageA(&msg);
    }
    return scrolls;
}

struct Summary {
    double median;
    double worst;
};

Summary Summarise(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.back()};
}

void WriteLine(FILE* out, const char* what, int count, const Summary& s) {
    std::fprintf(out, "%-44s n=%-5d median %8.1f us   worst %9.1f us\n", what, count, s.median, s.worst);
    std::printf("%-44s n=%-5d median %8.1f us   worst %9.1f us\n", what, count, s.median, s.worst);
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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: wheelhook_event_bench RESULT_FILE\n");
        return 2;
    }
    FILE* out = winsupport::OpenResultFile(argv[1]);
    if (!out) return 5;
    WriteLines(kLines);
    HWND frame = CreateWindowExA(0, "STATIC", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                 400, 300, nullptr, nullptr, nullptr, nullptr);
    HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 10, 10, 200,
                                150, frame, nullptr, nullptr, nullptr);
    if (!frame || !list) return 3;
    for (int i = 0; i < 200; ++i) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("row"));
    SetForegroundWindow(frame);
    SetFocus(list);
    HWND windows[10] = {frame};
    if (!InstallMouseFilter(1, windows)) return 4;
    DrainScrolls(list);

    std::vector<double> direct;
    MSLLHOOKSTRUCT event = {};
    for (int i = 0; i < kCalls; ++i) {
        // The delta is the high word, as a 16-bit value: a negative one shifted as an int is undefined.
        event.mouseData = static_cast<DWORD>(static_cast<WORD>(i % 2 ? -WHEEL_DELTA : WHEEL_DELTA)) << 16;
        const LONGLONG start = Now();
        ProcWheel(&event);
        direct.push_back(Microseconds(Now() - start));
        DrainScrolls(list);
    }

    std::vector<double> injected;
    int lost = 0;
    for (int i = 0; i < kInjected; ++i) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = MOUSEEVENTF_WHEEL;
        input.mi.mouseData = static_cast<DWORD>(i % 2 ? -WHEEL_DELTA : WHEEL_DELTA);
        const LONGLONG start = Now();
        SendInput(1, &input, sizeof input);
        int scrolls = 0;
        const DWORD deadline = GetTickCount() + 2000;
        while (scrolls < static_cast<int>(kLines) && GetTickCount() < deadline) {
            scrolls += DrainScrolls(list);
            if (scrolls < static_cast<int>(kLines)) MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
        }
        if (scrolls < static_cast<int>(kLines)) ++lost;
        else injected.push_back(Microseconds(Now() - start));
    }

    InstallMouseFilter(0, nullptr);
    DestroyWindow(frame);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, KB_REG_WHEEL);

    std::fprintf(out, "wheelhook: one wheel notch, line mode, %lu lines, list box with the focus\n",
                 static_cast<unsigned long>(kLines));
    const Summary proc_wheel = Summarise(direct);
    WriteLine(out, "ProcWheel (hook work for one notch)", kCalls, proc_wheel);
    winsupport::WriteFigure(out, "procwheel_notch_median", proc_wheel.median, "us");
    winsupport::WriteFigure(out, "procwheel_notch_worst", proc_wheel.worst, "us");
    if (!injected.empty())
        WriteLine(out, "SendInput -> hook -> 3 WM_VSCROLL taken", static_cast<int>(injected.size()),
                  Summarise(injected));
    std::fprintf(out, "injected notches not seen within 2 s: %d\n", lost);
    std::fclose(out);
    return lost == 0 ? 0 : 6;
}
