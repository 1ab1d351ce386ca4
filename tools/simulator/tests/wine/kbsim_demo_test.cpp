// The demo's own session file played by kbsim against the real uvxnftr.sys: what `make demo`
// shows a person, checked line by line where it matters.
#include <gtest/gtest.h>

#include "tools/simulator/tests/wine/run_program.h"

namespace {

TEST(KbsimDemo, TheExampleSessionPlaysCleanly) {
    simtest::ProgramRun run = simtest::RunProgram("kbsim.exe", std::string("\"") + KB_DEMO_SESSION + "\"");
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exit_code, 0u) << run.output;
    EXPECT_EQ(simtest::MissingInOrder(run.output, {
        "event 101, aux 0: receiver added",
        "event 1, aux 0: hot key \"WWW Back\"",
        "HID driver receives 01 00 00 (hot key blanked)",
        "event 19, aux 0: hot key \"Power key\"",
        "event 13, aux 0: hot key \"Media Vol+\"",
        "event 50, aux 0: all consumer keys released",
        "event 0, aux 0: device status changed",
        "Mouse              CH 6, ID 565, battery low, lock off",
        "keyboard used 5 times",
        "hot-key code 20 fed to \\\\.\\UOVKBFTR",
        "hot-key code 23 fed to \\\\.\\UOVKBFTR",
        "reader closed",
        "HID driver receives 01 E9 00 (unchanged)",
        "event 100, aux 0: receiver removed",
        "event 101, aux 0: receiver added",
        "Mouse              CH 6, ID 565, battery ok, lock off",
        "twice: 0; transfers still in flight: 2",
    }), "");
}

// The same session with keyagent.exe as the filters' reader: the agent's log shows each hot key
// of the session as it reached the main window, the keyboard filter's codes among them.
TEST(KbsimDemo, WithTheAgentItsLogShowsTheSessionsHotKeys) {
    simtest::ProgramRun run = simtest::RunProgram("kbsim.exe", std::string("--agent \"") + KB_DEMO_SESSION + "\"");
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exit_code, 0u) << run.output;
    EXPECT_EQ(simtest::MissingInOrder(run.output, {
        "keyagent.exe runs and reads the filters' devices",
        "left to the agent, which holds \\\\.\\UVXNFLTR open throughout",
        "keyagent.exe's log:",
        "Register Device Notification handle = ",
        "Hot Key Event = 1",
        "Hot Key Event = 16",
        "Hot Key Event = 18",
        "Hot Key Event = 19",
        "Hot Key Event = 13",
        "Key Code = 20",
        "Key Code = 23",
    }), "");
    EXPECT_EQ(run.output.find("did not stop"), std::string::npos) << run.output;
}

}  // namespace
