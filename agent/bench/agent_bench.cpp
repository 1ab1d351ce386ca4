// The real keyagent.exe against the real keyfilter in the receiver test bench:
//   - how long a report completed at the bottom takes to reach the agent's dispatcher entry,
//     seen as the tray activity the dispatcher posts to a tray window of the bench's own; and,
//     report by report in turn with it, its floor: the round trip of one read of the
//     instant-read driver;
//   - the agent's CPU time while it idles for 10 s;
//   - how long "/u" takes to end the agent while its readers' reads are pending.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "agent/tests/wine/test_tray.h"
#include "common/private_messages.h"
#include "outside/lvxnftr/companion_interface.h"
#include "tools/fixtures/agent_process.h"
#include "tools/fixtures/message_pump.h"
#include "tools/simulator/client/bench_session.h"
#include "tools/simulator/client/read_floor.h"
#include "tools/winetest/test_support.h"
#include "tools/winsupport/bench_clock.h"
#include "tools/winsupport/build_files.h"
#include "tools/winsupport/driver_service.h"
#include "tools/winsupport/result_file.h"

using winsupport::Milliseconds;
using winsupport::Now;
using winsupport::Percentile;

namespace {

constexpr int kWarmUpReports = 50;
constexpr int kMeasuredReports = 1000;
constexpr DWORD kIdleMs = 10000;
constexpr int kShutDownRounds = 5;

ULONGLONG CpuTime100ns(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return 0;
    auto value = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return value(kernel) + value(user);
}

bool StartAndWait(agenttest::AgentProcess& agent, agenttest::TestTray& tray) {
    tray.Clear();
    return agent.Start() && agent.WaitForMainWindow() != nullptr &&
           fixtures::PumpUntil([&] { return tray.Count(WM_TRAY_LOCKKEYS) > 0; }, winetest::SLOW_WAIT_LIMIT_MS);
}

// One report in, one dispatcher entry out: the time between, in ms; negative when it never came.
double OneReport(sim::BenchClient& bench, agenttest::TestTray& tray, bool key_down) {
    static const std::vector<uint8_t> down = {0x01, 0x24, 0x02};
    static const std::vector<uint8_t> up = {0x01, 0x00, 0x00};
    const int before = tray.Count(WM_TRAY_ACTIVITY);
    const LONGLONG start = Now();
    if (!bench.FeedOne(1, key_down ? down : up)) return -1;
    if (!fixtures::PumpUntil([&] { return tray.Count(WM_TRAY_ACTIVITY) > before; }, winetest::WAIT_LIMIT_MS)) return -1;
    return Milliseconds(Now() - start);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    std::FILE* out = winsupport::OpenResultFile(argv[1]);
    if (!out) return 1;

    winsupport::DriverService companion(KB_COMPANION_SERVICE_NAME, winsupport::BuildFile(KB_COMPANION_TEST_FILE_NAME));
    sim::BenchSession session(KB_FILTER_SERVICE_NAME, winsupport::BuildFile("uvxnftr.sys"));
    sim::InstantReads read_floor;
    BENCH_PLUG_RESULT plugged = {};
    if (!companion.running() || !session.ready() || !read_floor.ready() || !session.bench().Plug(1, &plugged)) {
        std::fprintf(stderr, "agent bench: the drivers did not start (%s%s)\n", session.error().c_str(),
                     read_floor.error().c_str());
        return 1;
    }
    agenttest::TestTray tray;
    std::vector<double> samples, floor_samples;
    {
        agenttest::AgentProcess agent;
        if (!StartAndWait(agent, tray)) {
            std::fprintf(stderr, "agent bench: keyagent.exe did not start\n");
            return 1;
        }
        // Hot keys are queued only while the agent's reader reads the device; a hot key comes
        // back blanked once it does.
        if (!sim::FeedUntilAReaderListens(session.bench(), 1, winetest::SLOW_WAIT_LIMIT_MS) ||
            !fixtures::PumpUntil([&] { return tray.Count(WM_TRAY_ACTIVITY) > 0; }, winetest::SLOW_WAIT_LIMIT_MS)) {
            std::fprintf(stderr, "agent bench: the agent never read the filter's device\n");
            return 1;
        }
        for (int i = 0; i < kWarmUpReports + kMeasuredReports; ++i) {
            const double ms = OneReport(session.bench(), tray, i % 2 == 0);
            if (ms < 0) {
                std::fprintf(stderr, "agent bench: report %d never reached the dispatcher\n", i);
                return 1;
            }
            if (i < kWarmUpReports) continue;
            samples.push_back(ms);
            if (!read_floor.Sample(&floor_samples)) {
                std::fprintf(stderr, "agent bench: the instant-read driver could not be read\n");
                return 1;
            }
        }
        fixtures::PumpFor(500);
        const ULONGLONG cpu_before = CpuTime100ns(agent.process());
        const LONGLONG idle_start = Now();
        fixtures::PumpFor(kIdleMs);
        const double idle_ms = Milliseconds(Now() - idle_start);
        const double cpu_ms = static_cast<double>(CpuTime100ns(agent.process()) - cpu_before) / 10000.0;
        std::fprintf(out, "report to dispatcher entry: median %.3f ms, p99 %.3f ms, max %.3f ms over %d reports\n",
                     Percentile(samples, 0.5), Percentile(samples, 0.99), Percentile(samples, 1.0), kMeasuredReports);
        std::fprintf(out, "one read of the instant-read driver, in turn with them: median %.3f ms, p99 %.3f ms\n",
                     Percentile(floor_samples, 0.5), Percentile(floor_samples, 0.99));
        std::fprintf(out, "idle CPU time: %.1f ms in %.0f ms, %.3f %% of one core\n", cpu_ms, idle_ms,
                     100.0 * cpu_ms / idle_ms);
        winsupport::WriteLatencyFigures(out, "report_to_dispatcher", samples, floor_samples, "ms");
        winsupport::WriteFigure(out, "agent_idle_cpu_10s", cpu_ms, "ms");
        winsupport::WriteFigure(out, "agent_idle_cpu_share", 100.0 * cpu_ms / idle_ms, "%");
        if (!agenttest::StopWithU(agent)) {
            std::fprintf(stderr, "agent bench: the agent did not stop\n");
            return 1;
        }
    }
    // Shut-down with the readers of both filters in their reads.
    double worst = 0;
    for (int round = 0; round < kShutDownRounds; ++round) {
        agenttest::AgentProcess agent;
        if (!StartAndWait(agent, tray)) return 1;
        fixtures::PumpFor(300);
        const LONGLONG start = Now();
        PostMessageA(agent.WaitForMainWindow(), WM_DESTROY, 0, 0);
        DWORD exit_code = 1;
        if (!agent.WaitForExit(winetest::SLOW_WAIT_LIMIT_MS, &exit_code)) {
            std::fprintf(stderr, "agent bench: the agent did not end\n");
            return 1;
        }
        worst = std::max(worst, Milliseconds(Now() - start));
    }
    std::fprintf(out, "shut-down with reads pending, WM_DESTROY to process end: worst %.1f ms of %d\n", worst,
                 kShutDownRounds);
    std::fclose(out);
    return 0;
}
