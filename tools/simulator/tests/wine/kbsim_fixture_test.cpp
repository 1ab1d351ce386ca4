// kbsim as a person runs it, here over the bench's pass-through fixture: a session file in,
// readable lines out, and an exit code that tells whether every step and request went right.
#include <gtest/gtest.h>

#include "outside/uovkbftr/keyboard_filter_interface.h"
#include "tools/simulator/tests/wine/run_program.h"
#include "tools/winetest/device_io.h"
#include "tools/winetest/driver_suite.h"

namespace {

using simtest::RunProgram;
using simtest::WriteTempFile;

constexpr const char* kFixture = "--filter KBPASS kbpass.sys ";

TEST(KbsimWithFixture, PlaysASessionAndSaysWhatTheHidDriverGot) {
    std::string session = WriteTempFile("fixture-session.txt",
                                        "# two receivers\n"
                                        "plug\n"
                                        "plug @2\n"
                                        "report 01 e9 00\n"
                                        "report @2 03 02 05 34 f2 10\n"
                                        "wait 5\n"
                                        "typing 3\n"
                                        "keycode 22\n"
                                        "unplug @2\n"
                                        "unplug\n");
    simtest::ProgramRun run = RunProgram("kbsim.exe", kFixture + session);
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exit_code, 0u) << run.output;
    EXPECT_EQ(simtest::MissingInOrder(run.output, {
        "# two receivers",
        "receiver 2 plugged in and started",
        "consumer key \"Media Vol+\" pressed (usage 0x00E9)",
        "HID driver receives 01 EA 00 (changed on the way up)",
        "device status: Mouse linked, CH 6, ID 565, battery ok, lock on",
        "HID driver receives 03 03 05 34 F2 10 (changed on the way up)",
        "keyboard used 3 times: as many activity records wait for the reader of \\\\.\\LVXNFLTR",
        "hot-key code 22 fed to \\\\.\\UOVKBFTR: its reader gets it as byte 0 of a record",
        "receiver 1 pulled out",
        "twice: 0; transfers still in flight: 0",
    }), "");
}

TEST(KbsimWithFixture, AStepThatFailsIsReportedAndFailsTheRun) {
    std::string session = WriteTempFile("fixture-failing.txt", "report 01 e9 00\nplug\nunplug\n");
    simtest::ProgramRun run = RunProgram("kbsim.exe", kFixture + session);
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exit_code, 1u);
    EXPECT_NE(run.output.find("receiver 1 took no report: it is not plugged in and started"), std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("1 step(s) failed"), std::string::npos) << run.output;
}

TEST(KbsimWithFixture, ABadSessionFileIsRefusedBeforeAnythingRuns) {
    std::string session = WriteTempFile("fixture-bad.txt", "plug\nreport 01 zz\nwait\n");
    simtest::ProgramRun run = RunProgram("kbsim.exe", kFixture + session);
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exit_code, 2u);
    EXPECT_NE(run.output.find(":2: \"zz\" is not hex bytes"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find(":3: wait takes a number of milliseconds"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("plugged in"), std::string::npos) << "nothing is played from a bad file";
}

struct KeyboardFilterTestDriver {
    static constexpr const char* kService = KB_KEYBOARD_FILTER_SERVICE_NAME;
    static constexpr const char* kFile = KB_KEYBOARD_FILTER_TEST_FILE_NAME;
};

class KbsimBesideAKeyboardFilter : public winetest::DriverSuite<KeyboardFilterTestDriver> {};

// As the agent will meet it: its reader opened the keyboard filter before kbsim started, and the
// codes of the session reach that very handle.
TEST_F(KbsimBesideAKeyboardFilter, FeedsTheReaderThatWasThereFirst) {
    winetest::DeviceHandle reader(KB_KEYBOARD_FILTER_USER_PATH, true);
    ASSERT_TRUE(reader.valid()) << "error " << reader.open_error();
    winetest::PendingRead first(reader, KEYBOARD_FILTER_RECORD_SIZE);
    ASSERT_TRUE(first.pending()) << "error " << first.error();
    std::string session = WriteTempFile("fixture-keycodes.txt", "keycode 21\nkeycode 23\n");
    simtest::ProgramRun run = RunProgram("kbsim.exe", kFixture + session);
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exit_code, 0u) << run.output;
    ASSERT_TRUE(first.Finished(winetest::WAIT_LIMIT_MS)) << run.output;
    EXPECT_EQ(first.bytes(), KEYBOARD_FILTER_RECORD_SIZE);
    EXPECT_EQ(first.data()[0], 21);
    winetest::PendingRead second(reader, KEYBOARD_FILTER_RECORD_SIZE);
    ASSERT_TRUE(second.Finished(winetest::WAIT_LIMIT_MS)) << "the second code was lost";
    EXPECT_EQ(second.data()[0], 23);
}

}  // namespace
