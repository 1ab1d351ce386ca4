// The three readers through the real keyagent.exe, against the real keyfilter in the receiver
// test bench and the companion filter's stand-in: what each event fed at the bottom becomes at
// the test's own tray window and on its low-level mouse hook.
#include <gtest/gtest.h>

#include "agent/tests/wine/test_tray.h"
#include "common/private_messages.h"
#include "common/window_classes.h"
#include "outside/lvxnftr/companion_interface.h"
#include "outside/uovkbftr/client/feed_client.h"
#include "outside/uovkbftr/keyboard_filter_interface.h"
#include "tools/fixtures/agent_process.h"
#include "tools/fixtures/bench_test.h"
#include "tools/fixtures/message_pump.h"
#include "tools/simulator/client/filter_reader.h"
#include "tools/winetest/device_io.h"
#include "tools/winsupport/driver_service.h"

namespace {

using agenttest::AgentProcess;
using winetest::SLOW_WAIT_LIMIT_MS;
using winetest::WAIT_LIMIT_MS;

const std::vector<uint8_t> kWwwBackDown = {0x01, 0x24, 0x02};
const std::vector<uint8_t> kKeysUp = {0x01, 0x00, 0x00};

std::vector<uint8_t> StatusReport(uint8_t aux) { return {0x04, 0x00, 0x00, 0x00, 0x00, aux}; }

bool LastLineHas(const std::vector<std::string>& log, const char* text) {
    return !log.empty() && log.back().find(text) != std::string::npos;
}

bool LogHas(HWND main, const char* text) {
    for (const std::string& line : agenttest::ReadAgentLog(main)) {
        if (line.find(text) != std::string::npos) return true;
    }
    return false;
}

// Ends a wait with markers rather than a pause. Once the reader of `path` waits at its device
// again, it has posted everything it read before; a code 0 posted to the main window after
// that is dispatched after everything posted there before it, and by the time its log line can
// be read, the tray messages of all of it are queued here. They are taken in, and the code 0's
// own activity, the last one, is taken off again.
bool Settle(agenttest::TestTray& tray, HWND main, const char* path) {
    if (!fixtures::PumpUntil([&] { return winetest::AReadWaitsAt(path); }, SLOW_WAIT_LIMIT_MS)) return false;
    const size_t lines = agenttest::ReadAgentLog(main).size();
    PostMessageA(main, WM_AGENT_HOTKEY, 0, 0);
    if (!fixtures::PumpUntil(
            [&] {
                const std::vector<std::string> log = agenttest::ReadAgentLog(main);
                return log.size() > lines && LastLineHas(log, "Hot Key Event = 0");
            },
            SLOW_WAIT_LIMIT_MS))
        return false;
    fixtures::PumpFor(0);
    return tray.TakeLast(WM_TRAY_ACTIVITY);
}

class AgentReaders : public simtest::BenchTest {
protected:
    AgentReaders()
        : BenchTest(KB_FILTER_SERVICE_NAME, "uvxnftr.sys"),
          companion_(KB_COMPANION_SERVICE_NAME, winsupport::BuildFile(KB_COMPANION_TEST_FILE_NAME)) {}

    void SetUp() override {
        BenchTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(companion_.running()) << companion_.error();
        Plug(1);
        ASSERT_TRUE(agent_.Start());
        ASSERT_NE(agent_.WaitForMainWindow(), nullptr);
        ASSERT_TRUE(fixtures::PumpUntil([&] { return tray_.Count(WM_TRAY_LOCKKEYS) > 0; }, SLOW_WAIT_LIMIT_MS));
        // The filter queues events only while a reader reads its device: a hot key comes back
        // blanked once the agent's reader is there, and reaches the tray.
        ASSERT_TRUE(sim::FeedUntilAReaderListens(bench(), 1, SLOW_WAIT_LIMIT_MS)) << "the agent never read the filter's device";
        ASSERT_TRUE(WaitForActivities(1, SLOW_WAIT_LIMIT_MS)) << "the agent's reader took no hot key";
        ASSERT_TRUE(Settle(KB_FILTER_USER_PATH));
        tray_.Clear();
    }

    void TearDown() override {
        EXPECT_TRUE(agenttest::StopWithU(agent_));
        BenchTest::TearDown();
    }

    void Feed(const std::vector<uint8_t>& report) { ASSERT_TRUE(bench().FeedOne(1, report)); }

    bool WaitForActivities(int count, DWORD limit = WAIT_LIMIT_MS) {
        return fixtures::PumpUntil([&] { return tray_.Count(WM_TRAY_ACTIVITY) >= count; }, limit);
    }

    bool Settle(const char* path) { return ::Settle(tray_, FindWindowA(KB_CLASS_AGENT_MAIN, nullptr), path); }

    winsupport::DriverService companion_;
    agenttest::TestTray tray_;
    AgentProcess agent_;
};

TEST_F(AgentReaders, AHotKeyAndItsReleaseReachTheDispatcherWhichTellsTheTray) {
    Feed(kWwwBackDown);
    Feed(kKeysUp);
    ASSERT_TRUE(WaitForActivities(2)) << "the dispatcher did not tell the tray";
    ASSERT_TRUE(Settle(KB_FILTER_USER_PATH));
    EXPECT_EQ(tray_.Count(WM_TRAY_ACTIVITY), 2);
    const std::vector<std::string> log = agenttest::ReadAgentLog(FindWindowA(KB_CLASS_AGENT_MAIN, nullptr));
    ASSERT_GE(log.size(), 3u);
    EXPECT_NE(log[log.size() - 3].find("Hot Key Event = 1"), std::string::npos) << log[log.size() - 3];
    EXPECT_NE(log[log.size() - 2].find("Hot Key Event = 50"), std::string::npos) << log[log.size() - 2];
}

TEST_F(AgentReaders, ALowBatteryOnRecordThreeReachesTheTrayAsMaskEight) {
    FeedThrough({0x03, 3, 0x02, 0x10, 0x01, RF_FLAG_BATTERY_LOW});
    ASSERT_TRUE(fixtures::PumpUntil([&] { return tray_.Count(WM_TRAY_BATTERY) > 0; }, WAIT_LIMIT_MS));
    for (const agenttest::TrayMessage& m : tray_.messages()) {
        if (m.message == WM_TRAY_BATTERY) {
            EXPECT_EQ(m.wParam, 0x08u);
        }
    }
    EXPECT_EQ(tray_.Count(WM_TRAY_ACTIVITY), 0) << "a status change is no activity";
}

TEST_F(AgentReaders, StatusReportsAreActivityAndStepTheWheelByOneAfterTheirAuxiliaryByte) {
    // The agent's own wheel hook takes the steps and ends their way: the test's hook must come
    // after it to be called first.
    ASSERT_TRUE(agent_.WaitUntilIdle());
    agenttest::WheelRecorder wheel;
    ASSERT_TRUE(wheel.installed());
    for (uint8_t aux : {0, 1, 2}) FeedThrough(StatusReport(aux));
    ASSERT_TRUE(WaitForActivities(3));
    ASSERT_TRUE(fixtures::PumpUntil([&] { return wheel.deltas().size() >= 2; }, WAIT_LIMIT_MS)) << "no wheel step";
    ASSERT_TRUE(Settle(KB_FILTER_USER_PATH));
    EXPECT_EQ(wheel.deltas(), (std::vector<int>{-1, 1})) << "auxiliary byte 0 steps nothing, 1 steps -1, 2 steps +1";
    EXPECT_EQ(tray_.Count(WM_TRAY_ACTIVITY), 3);
}

TEST_F(AgentReaders, AReceiverGoingAndComingPostsNothing) {
    Unplug(1);
    Plug(1);
    Feed(kWwwBackDown);
    ASSERT_TRUE(WaitForActivities(1));
    ASSERT_TRUE(Settle(KB_FILTER_USER_PATH));
    EXPECT_EQ(tray_.Count(WM_TRAY_ACTIVITY), 1) << "codes 100 and 101 reached the dispatcher";
    for (const agenttest::TrayMessage& m : tray_.messages()) {
        EXPECT_TRUE(m.message == WM_TRAY_ACTIVITY || m.message == WM_TRAY_BATTERY)
            << "message 0x" << std::hex << m.message;
    }
}

TEST_F(AgentReaders, EachKeyboardActivityOfTheCompanionReachesTheTray) {
    ASSERT_TRUE(bench().Keyboard(3)) << "error " << bench().error();
    ASSERT_TRUE(WaitForActivities(3));
    ASSERT_TRUE(Settle(KB_COMPANION_USER_PATH));
    EXPECT_EQ(tray_.Count(WM_TRAY_ACTIVITY), 3);
}

// A battery that went low while no agent read: the agent's reader fetches the table as it
// first opens the filter, and the tray shows it without waiting for the next change.
class AgentAfterAStatusChange : public simtest::BenchTest {
protected:
    AgentAfterAStatusChange() : BenchTest(KB_FILTER_SERVICE_NAME, "uvxnftr.sys") {}
    agenttest::TestTray tray_;
    AgentProcess agent_;
};

TEST_F(AgentAfterAStatusChange, TheReaderFetchesTheTableAsItFirstOpensTheFilter) {
    Plug(1);
    {
        // Whatever the change queued is read here, so that nothing tells the agent of it.
        sim::FilterReader reader;
        ASSERT_TRUE(reader.is_open());
        FeedThrough({0x03, 3, 0x02, 0x10, 0x01, RF_FLAG_BATTERY_LOW});
        reader.Drain(bench());
    }
    ASSERT_TRUE(agent_.Start());
    ASSERT_NE(agent_.WaitForMainWindow(), nullptr);
    EXPECT_TRUE(fixtures::PumpUntil([&] { return tray_.Count(WM_TRAY_BATTERY) > 0; }, SLOW_WAIT_LIMIT_MS));
    for (const agenttest::TrayMessage& m : tray_.messages()) {
        if (m.message == WM_TRAY_BATTERY) {
            EXPECT_EQ(m.wParam, 0x08u);
        }
    }
    EXPECT_TRUE(agenttest::StopWithU(agent_));
}

// Another program (a status tool, the receiver simulator) has its read waiting at the filter as
// the agent starts, and the filter keeps one read waiting at a time: the agent's is refused. The
// agent says so in its log, tries again, and reads once that program's read has gone.
class AgentBehindAnotherReader : public simtest::BenchTest {
protected:
    AgentBehindAnotherReader() : BenchTest(KB_FILTER_SERVICE_NAME, "uvxnftr.sys") {}
    agenttest::TestTray tray_;
    AgentProcess agent_;
};

TEST_F(AgentBehindAnotherReader, ARefusedReadIsTriedAgainUntilTheOtherReadHasGone) {
    Plug(1);
    HWND main = nullptr;
    {
        winetest::DeviceHandle other(KB_FILTER_USER_PATH, true);
        winetest::PendingRead read(other, sizeof(EVENT_RECORD));
        ASSERT_TRUE(read.pending()) << "error " << read.error();
        ASSERT_TRUE(agent_.Start());
        main = agent_.WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(fixtures::PumpUntil([&] { return LogHas(main, "Read of \\\\.\\UVXNFLTR refused"); }, SLOW_WAIT_LIMIT_MS))
            << "the log does not say that the read was refused";
    }
    // The other program's read ended with its handle; the agent's handle reads from now on.
    ASSERT_TRUE(sim::FeedUntilAReaderListens(bench(), 1, SLOW_WAIT_LIMIT_MS));
    EXPECT_TRUE(fixtures::PumpUntil([&] { return LogHas(main, "Hot Key Event = 1"); }, SLOW_WAIT_LIMIT_MS))
        << "the agent's reader never read again";
    EXPECT_TRUE(agenttest::StopWithU(agent_));
}

// The agent is there first; the drivers come afterwards, and the readers find them.
class AgentBeforeDrivers : public testing::Test {
protected:
    agenttest::TestTray tray_;
    AgentProcess agent_;
};

TEST_F(AgentBeforeDrivers, TheReadersOpenTheDevicesOnceTheyAppear) {
    ASSERT_TRUE(agent_.Start());
    ASSERT_NE(agent_.WaitForMainWindow(), nullptr);
    ASSERT_TRUE(fixtures::PumpUntil([&] { return tray_.Count(WM_TRAY_LOCKKEYS) > 0; }, SLOW_WAIT_LIMIT_MS));
    fixtures::PumpFor(1500);
    winsupport::DriverService companion(KB_COMPANION_SERVICE_NAME, winsupport::BuildFile(KB_COMPANION_TEST_FILE_NAME));
    ASSERT_TRUE(companion.running()) << companion.error();
    sim::BenchSession session(KB_FILTER_SERVICE_NAME, winsupport::BuildFile("uvxnftr.sys"));
    ASSERT_TRUE(session.ready()) << session.error();
    BENCH_PLUG_RESULT plugged = {};
    ASSERT_TRUE(session.bench().Plug(1, &plugged));
    tray_.Clear();
    // A retry of a reader may lag far behind its second under Wine: wait for the effect. The
    // hot-key filter keeps nothing while nobody reads, so its key is fed until the reader takes
    // it; the companion keeps what comes, so one feed is enough there.
    ASSERT_TRUE(sim::FeedUntilAReaderListens(session.bench(), 1, SLOW_WAIT_LIMIT_MS))
        << "the hot-key filter's reader never opened its device";
    EXPECT_TRUE(fixtures::PumpUntil([&] { return tray_.Count(WM_TRAY_ACTIVITY) > 0; }, SLOW_WAIT_LIMIT_MS))
        << "the hot-key filter's reader took no hot key";
    tray_.Clear();
    ASSERT_TRUE(session.bench().Keyboard(1));
    EXPECT_TRUE(fixtures::PumpUntil([&] { return tray_.Count(WM_TRAY_ACTIVITY) > 0; }, SLOW_WAIT_LIMIT_MS))
        << "the companion's reader never opened its device";
    EXPECT_TRUE(agenttest::StopWithU(agent_)) << "the agent did not stop with its reads pending";
}

}  // namespace

namespace {

// Reader 1 against the keyboard filter's stand-in: every code fed reaches the main window as
// WM_AGENT_KEYCODE, Office codes included, and none of them is tray activity.
class KeyboardFilterReader : public testing::Test {
protected:
    KeyboardFilterReader() : keyboard_filter_(KB_KEYBOARD_FILTER_SERVICE_NAME, winsupport::BuildFile(KB_KEYBOARD_FILTER_TEST_FILE_NAME)) {}

    winsupport::DriverService keyboard_filter_;
    agenttest::TestTray tray_;
    AgentProcess agent_;
};

TEST_F(KeyboardFilterReader, EachRecordIsOneKeyCodeMessage) {
    ASSERT_TRUE(keyboard_filter_.running()) << keyboard_filter_.error();
    uint32_t reads_before = 0;
    ASSERT_TRUE(keyboard_filter::CompletedReads(&reads_before));
    ASSERT_TRUE(agent_.Start());
    const HWND main = agent_.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(Settle(tray_, main, KB_KEYBOARD_FILTER_USER_PATH));
    tray_.Clear();
    // Code 3 (WWW Stop) has no action without a browser window; Web/Home would start Wine's own
    // browser, which later tests would then take for theirs.
    for (uint8_t code : {20, 23, 3}) ASSERT_TRUE(keyboard_filter::FeedCode(code));
    uint32_t reads = 0;
    ASSERT_TRUE(fixtures::PumpUntil(
        [&] { return keyboard_filter::CompletedReads(&reads) && reads >= reads_before + 3; }, WAIT_LIMIT_MS));
    ASSERT_TRUE(Settle(tray_, main, KB_KEYBOARD_FILTER_USER_PATH));
    const std::vector<std::string> log = agenttest::ReadAgentLog(main);
    ASSERT_GE(log.size(), 4u);
    EXPECT_NE(log[log.size() - 4].find("Key Code = 20"), std::string::npos) << log[log.size() - 4];
    EXPECT_NE(log[log.size() - 3].find("Key Code = 23"), std::string::npos) << log[log.size() - 3];
    EXPECT_NE(log[log.size() - 2].find("Key Code = 3"), std::string::npos) << log[log.size() - 2];
    EXPECT_EQ(tray_.Count(WM_TRAY_ACTIVITY), 0) << "the keyboard filter's codes are no tray activity";
    EXPECT_TRUE(agenttest::StopWithU(agent_)) << "the agent did not stop with its read pending";
}

}  // namespace
