// The real keyagent.exe driving a stand-in browser window (app_windows.exe, class "IEFrame"):
// how long a hot key posted to the agent's main window takes to reach the browser as its first
// keystroke. The figure holds the agent's 100 ms pause before it types, which is printed apart;
// the record file is watched every millisecond, which adds up to about that much. Key by key in
// turn with it, its floor: the round trip of one read of the instant-read driver.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "agent/tests/wine/action_standins.h"
#include "agent/tests/wine/test_tray.h"
#include "common/private_messages.h"
#include "tools/fixtures/agent_process.h"
#include "tools/fixtures/message_pump.h"
#include "tools/simulator/client/read_floor.h"
#include "tools/winetest/test_support.h"
#include "tools/winsupport/bench_clock.h"
#include "tools/winsupport/result_file.h"

using winsupport::Milliseconds;
using winsupport::Now;
using winsupport::Percentile;

namespace {

constexpr int kWarmUpKeys = 5;
constexpr int kMeasuredKeys = 100;
constexpr unsigned kRefreshCode = 4;  // F5 alone: one key down, one key up
constexpr double kLeadPauseMs = 100.0;

size_t KeyDowns(const agenttest::AppWindows& apps) {
    size_t count = 0;
    for (const agenttest::AppEvent& event : apps.Events()) count += event.what == "keydown" ? 1 : 0;
    return count;
}

// Without a window manager Wine waits for one whenever a managed window is hidden.
void UnmanagedStandIns() {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\app_windows.exe\\X11 Driver", 0, nullptr, 0,
                        KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
    RegCloseKey(key);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    UnmanagedStandIns();
    sim::InstantReads read_floor;
    if (!read_floor.ready()) {
        std::fprintf(stderr, "hot-key bench: %s\n", read_floor.error().c_str());
        return 1;
    }
    agenttest::AppWindows apps({"IEFrame"});
    if (!apps.ready()) {
        std::fprintf(stderr, "hot-key bench: the stand-in browser did not start\n");
        return 1;
    }
    HWND browser = FindWindowA("IEFrame", nullptr);
    agenttest::TestTray tray;
    SetForegroundWindow(browser);
    fixtures::PumpUntil([&] { return GetForegroundWindow() == browser; }, winetest::SLOW_WAIT_LIMIT_MS);
    agenttest::AgentProcess agent;
    HWND main_window = nullptr;
    if (!agent.Start() || !(main_window = agent.WaitForMainWindow()) ||
        !fixtures::PumpUntil([&] { return tray.Count(WM_TRAY_LOCKKEYS) > 0; }, winetest::SLOW_WAIT_LIMIT_MS)) {
        std::fprintf(stderr, "hot-key bench: keyagent.exe did not start\n");
        return 1;
    }
    std::vector<double> samples, floor_samples;
    for (int i = 0; i < kWarmUpKeys + kMeasuredKeys; ++i) {
        const size_t before = KeyDowns(apps);
        const LONGLONG start = Now();
        PostMessageA(main_window, WM_AGENT_HOTKEY, kRefreshCode, 0);
        while (KeyDowns(apps) == before && Milliseconds(Now() - start) < winetest::SLOW_WAIT_LIMIT_MS) Sleep(1);
        const double ms = Milliseconds(Now() - start);
        if (KeyDowns(apps) == before) {
            std::fprintf(stderr, "hot-key bench: key %d never reached the browser\n", i);
            return 1;
        }
        // Beyond the agent's own pause.
        if (i >= kWarmUpKeys) samples.push_back(ms - kLeadPauseMs);
        if (i >= kWarmUpKeys && !read_floor.Sample(&floor_samples)) {
            std::fprintf(stderr, "hot-key bench: the instant-read driver could not be read\n");
            return 1;
        }
        // The agent's key-up and its pause after it, before the next key.
        apps.WaitFor("keyup", static_cast<size_t>(i) + 1);
        fixtures::PumpFor(150);
    }
    agenttest::StopWithU(agent);
    std::FILE* out = winsupport::OpenResultFile(argv[1]);
    if (!out) return 1;
    const double median = Percentile(samples, 0.5);
    const double p99 = Percentile(samples, 0.99);
    std::fprintf(out, "hot key to first keystroke at the browser: median %.1f ms, p99 %.1f ms over %d keys\n",
                 median + kLeadPauseMs, p99 + kLeadPauseMs, kMeasuredKeys);
    std::fprintf(out, "of which the agent's own pause before typing: %.0f ms; beyond it: median %.1f ms, p99 %.1f ms\n",
                 kLeadPauseMs, median, p99);
    std::fprintf(out, "one read of the instant-read driver, in turn with them: median %.3f ms, p99 %.3f ms\n",
                 Percentile(floor_samples, 0.5), Percentile(floor_samples, 0.99));
    winsupport::WriteLatencyFigures(out, "hotkey_to_browser_keystroke", samples, floor_samples, "ms");
    std::fclose(out);
    return 0;
}
