// The real keyagent.exe: how long a volume key takes from the posted hot key to the popup
// shown and painted (its volume bar drawn), seen from outside the agent's process; and, key by
// key in turn with it, its floor: the round trip of one read of the instant-read driver.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "agent/tests/wine/registry_values.h"
#include "agent/tests/wine/test_tray.h"
#include "common/hotkey_codes.h"
#include "common/private_messages.h"
#include "common/registry_names.h"
#include "common/window_classes.h"
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

constexpr int kWarmUp = 20;
constexpr int kMeasured = 300;

// Hidden first, so that "shown with nothing left to paint" can only be this key's popup.
double OneKey(HWND main_window, HWND popup) {
    ShowWindow(popup, SW_HIDE);
    const LONGLONG start = Now();
    PostMessageA(main_window, WM_AGENT_KEYCODE, HK_VOLUME_UP, 0);
    const DWORD limit = GetTickCount() + winetest::WAIT_LIMIT_MS;
    while (!(IsWindowVisible(popup) && !GetUpdateRect(popup, nullptr, FALSE))) {
        if (GetTickCount() > limit) return -1;
        Sleep(0);
    }
    return Milliseconds(Now() - start);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    std::FILE* out = winsupport::OpenResultFile(argv[1]);
    if (!out) return 1;
    agenttest::SetNumber(KB_REG_KEYBOARD_DISPLAY, KB_VAL_SHOW_VOLUME, 1);
    agenttest::SetNumber(KB_REG_KEYBOARD_DISPLAY, KB_VAL_DELAY, 5);
    sim::InstantReads read_floor;
    if (!read_floor.ready()) {
        std::fprintf(stderr, "popup bench: %s\n", read_floor.error().c_str());
        return 1;
    }
    agenttest::TestTray tray;
    agenttest::AgentProcess agent;
    HWND main_window = nullptr;
    if (!agent.Start() || (main_window = agent.WaitForMainWindow()) == nullptr ||
        !fixtures::PumpUntil([&] { return tray.Count(WM_TRAY_LOCKKEYS) > 0; }, winetest::SLOW_WAIT_LIMIT_MS)) {
        std::fprintf(stderr, "popup bench: keyagent.exe did not start\n");
        return 1;
    }
    HWND popup = FindWindowA(KB_CLASS_AGENT_POPUP, nullptr);
    std::vector<double> samples, floor_samples;
    for (int i = 0; popup && i < kWarmUp + kMeasured; ++i) {
        const double ms = OneKey(main_window, popup);
        if (ms < 0) {
            std::fprintf(stderr, "popup bench: key %d never showed the popup\n", i);
            return 1;
        }
        if (i < kWarmUp) continue;
        samples.push_back(ms);
        if (!read_floor.Sample(&floor_samples)) {
            std::fprintf(stderr, "popup bench: the instant-read driver could not be read\n");
            return 1;
        }
    }
    agenttest::DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_KEYBOARD_DISPLAY);
    if (samples.empty()) return 1;
    std::fprintf(out, "hot key to popup painted (volume bar): median %.3f ms, p99 %.3f ms, max %.3f ms over %d keys\n",
                 Percentile(samples, 0.5), Percentile(samples, 0.99), Percentile(samples, 1.0), kMeasured);
    std::fprintf(out, "one read of the instant-read driver, in turn with them: median %.3f ms, p99 %.3f ms\n",
                 Percentile(floor_samples, 0.5), Percentile(floor_samples, 0.99));
    winsupport::WriteLatencyFigures(out, "hotkey_to_popup_painted", samples, floor_samples, "ms");
    std::fclose(out);
    return agenttest::StopWithU(agent) ? 0 : 1;
}
