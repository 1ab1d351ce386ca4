// Sessions played by kbsim against the real uvxnftr.sys: the example of the receiver alone, and
// a short session of the kind `make demo` plays (the real keyagent.exe started and stopped by the
// session, the stand-in browser, the wheel over a text window, pictures and the page), checked
// line by line where it matters.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "tools/simulator/tests/wine/run_program.h"

namespace {

TEST(KbsimDemo, TheExampleSessionPlaysCleanly) {
    simtest::ProgramRun run = simtest::RunProgram("kbsim.exe", std::string("\"") + KB_RECEIVER_SESSION + "\"");
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exit_code, 0u) << run.output;
    EXPECT_EQ(simtest::MissingInOrder(run.output, {
        "event 101, aux 0: receiver added",
        "event 1, aux 0: hot key \"WWW Back\"",
        "HID driver receives 01 00 00 (hot key blanked)",
        "event 6, aux 0: hot key \"WWW Favorite\"",
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
    simtest::ProgramRun run = simtest::RunProgram("kbsim.exe", std::string("--agent \"") + KB_RECEIVER_SESSION + "\"");
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exit_code, 0u) << run.output;
    EXPECT_EQ(simtest::MissingInOrder(run.output, {
        "keyagent.exe runs and reads the filters' devices",
        "left to the agent, which reads \\\\.\\UVXNFLTR throughout",
        "keyagent.exe's log:",
        "Register Device Notification handle = ",
        "Hot Key Event = 1",
        "Hot Key Event = 16",
        "Hot Key Event = 3",
        "Hot Key Event = 6",
        "Hot Key Event = 13",
        "Key Code = 20",
        "Key Code = 23",
    }), "");
    EXPECT_EQ(run.output.find("did not stop"), std::string::npos) << run.output;
}

std::string ReadWhole(const std::string& path) {
    std::string text;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char chunk[4096];
        for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) text.append(chunk, n);
        std::fclose(f);
    }
    return text;
}

// What the demo is made of, in one short session: the agent is the filter's reader while it runs
// (its log shows the keys), what reached the stand-in browser is told either way, the popup's
// caption is read from its pixels and pictured alone, the status table follows the battery, the
// Keyboard control panel's page found through shell32 writes the display time picked, the wheel step says what the text did, and the page names each
// picture. (Whether the text moves on this bare display has varied; docs/wine-notes.md.)
TEST(KbsimDemo, ADesktopSessionTellsWhatTheSystemDidAndWritesItsPage) {
    const std::string session = simtest::WriteTempFile("desktop-session.txt",
                                                       "set popup 5\n"
                                                       "apps IEFrame\n"
                                                       "open text\n"
                                                       "agent start\n"
                                                       "screenshot the desktop\n"
                                                       "plug\n"
                                                       "report 01 23 02   # Web/Home\n"
                                                       "report 01 00 00\n"
                                                       "report 03 02 05 34 02 01\n"
                                                       "wheel down 2\n"
                                                       "open keyboard\n"
                                                       "pick 4\n"
                                                       "close keyboard\n"
                                                       "agent stop\n"
                                                       "unplug\n");
    const std::string pictures = simtest::WriteTempFile("kbsim-pictures-probe", "");
    const std::string folder = pictures.substr(0, pictures.rfind('\\') + 1) + "kbsim-pictures";
    DeleteFileA((folder + "\\index.html").c_str());
    simtest::ProgramRun run = simtest::RunProgram("kbsim.exe", "--pictures \"" + folder + "\" \"" + session + "\"");
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exit_code, 0u) << run.output;
    EXPECT_EQ(simtest::MissingInOrder(run.output, {
        "settings: the popup shows for every key group, for 5 s",
        "stand-in applications are ready: windows of class IEFrame",
        "a text window is open",
        "keyagent.exe runs",
        "-line5-screenshot.png",
        "receiver 1 plugged in and started",
        "agent log: ",
        "Hot Key Event = 5",
        "the popup shows \"Web/Home\", at (8, ",
        "picture of the popup: popup-01-web-home.png",
        "the filter's status table now holds:",
        "Mouse              CH 6, ID 565, battery low",
        "   10   wheel down 2",
        "        the text ",
        "sheet shows its \"On-Screen Display\" page",
        "list: \"4 seconds\"",
        "OK: the sheet closed; it wrote Delay=5 -> 4",
        "keyagent.exe ended after \"keyagent.exe /u\"",
        "event 100, aux 0: receiver removed",
        "page: ",
    }), "");
    const bool browser_told = run.output.find("the browser (IEFrame) got") != std::string::npos ||
                              run.output.find("no keystroke or command reached the stand-in windows (IEFrame)") !=
                                  std::string::npos;
    EXPECT_TRUE(browser_told) << run.output;

    // Pictures are numbered in the order taken: "NN-line5-screenshot.png".
    const size_t named = run.output.find("-line5-screenshot.png");
    ASSERT_NE(named, std::string::npos);
    const std::string picture = run.output.substr(named - 2, 2 + std::strlen("-line5-screenshot.png"));
    const std::string page = ReadWhole(folder + "\\index.html");
    EXPECT_NE(page.find("<img src=\"" + picture + "\" alt=\"the desktop\">"), std::string::npos) << page;
    EXPECT_NE(page.find("Hot Key Event = 5"), std::string::npos) << page;
    const std::string png = ReadWhole(folder + "\\" + picture);
    ASSERT_GT(png.size(), 1000u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
}

}  // namespace
