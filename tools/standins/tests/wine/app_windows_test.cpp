// The stand-in application windows record what reaches them: a posted command, keystrokes in
// their order with the pauses between them, and the window coming to the foreground.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/fixtures/program_start.h"
#include "tools/winetest/test_support.h"

namespace {

struct RecordLine {
    unsigned long ms = 0;
    std::string window;
    std::string what;
    unsigned long wparam = 0;
};

std::vector<RecordLine> ReadRecord(const std::string& path) {
    std::vector<RecordLine> lines;
    std::ifstream file(path);
    std::string text;
    while (std::getline(file, text)) {
        std::istringstream words(text);
        RecordLine line;
        words >> line.ms >> line.window;
        if (line.window == "ready") {
            line.what = "ready";
            line.window.clear();
        } else {
            words >> line.what >> line.wparam;
        }
        lines.push_back(line);
    }
    return lines;
}

class AppWindows : public ::testing::Test {
protected:
    void SetUp() override {
        char directory[MAX_PATH];
        GetTempPathA(sizeof directory, directory);
        record_ = std::string(directory) + "kb-app-windows.txt";
        DeleteFileA(record_.c_str());
        process_ = fixtures::StartProgram("app_windows.exe \"" + record_ + "\" IEFrame MPlayer").process;
        ASSERT_NE(process_, nullptr);
        const DWORD start = GetTickCount();
        while (!Ready() && GetTickCount() - start < winetest::SLOW_WAIT_LIMIT_MS) Sleep(20);
        ASSERT_TRUE(Ready()) << "the stand-in never said it was ready";
    }

    void TearDown() override {
        if (HWND window = FindWindowA("IEFrame", nullptr)) PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(WaitForSingleObject(process_, winetest::SLOW_WAIT_LIMIT_MS), WAIT_OBJECT_0);
        CloseHandle(process_);
    }

    bool Ready() const {
        for (const RecordLine& line : ReadRecord(record_))
            if (line.what == "ready") return true;
        return false;
    }

    // Waits until the record holds `count` lines after "ready".
    std::vector<RecordLine> WaitForLines(size_t count) const {
        const DWORD start = GetTickCount();
        std::vector<RecordLine> after;
        do {
            after.clear();
            bool ready = false;
            for (const RecordLine& line : ReadRecord(record_)) {
                if (ready) after.push_back(line);
                ready = ready || line.what == "ready";
            }
            if (after.size() >= count) break;
            Sleep(20);
        } while (GetTickCount() - start < winetest::SLOW_WAIT_LIMIT_MS);
        return after;
    }

    std::string record_;
    HANDLE process_ = nullptr;
};

TEST_F(AppWindows, RecordsAPostedCommand) {
    HWND player = FindWindowA("MPlayer", nullptr);
    ASSERT_NE(player, nullptr);
    ASSERT_TRUE(PostMessageA(player, WM_COMMAND, 503, 0));
    std::vector<RecordLine> lines;
    for (const RecordLine& line : WaitForLines(1))
        if (line.what == "command") lines.push_back(line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].window, "MPlayer");
    EXPECT_EQ(lines[0].wparam, 503u);
}

TEST_F(AppWindows, RecordsForegroundAndKeystrokesInOrderWithTheirPauses) {
    HWND browser = FindWindowA("IEFrame", nullptr);
    ASSERT_NE(browser, nullptr);
    SetForegroundWindow(browser);
    Sleep(100);
    const BYTE keys[] = {VK_CONTROL, 'I'};
    keybd_event(keys[0], 0, 0, 0);
    Sleep(100);
    keybd_event(keys[1], 0, 0, 0);
    Sleep(100);
    keybd_event(keys[1], 0, KEYEVENTF_KEYUP, 0);
    Sleep(100);
    keybd_event(keys[0], 0, KEYEVENTF_KEYUP, 0);

    std::vector<RecordLine> strokes;
    bool foreground = false;
    const DWORD start = GetTickCount();
    while (strokes.size() < 4 && GetTickCount() - start < winetest::SLOW_WAIT_LIMIT_MS) {
        strokes.clear();
        for (const RecordLine& line : WaitForLines(1)) {
            if (line.window != "IEFrame") continue;
            if (line.what == "foreground") foreground = true;
            if (line.what.find("key") != std::string::npos) strokes.push_back(line);
        }
        Sleep(20);
    }
    EXPECT_TRUE(foreground);
    ASSERT_EQ(strokes.size(), 4u);
    const char* const expected_what[] = {"keydown", "keydown", "keyup", "keyup"};
    const unsigned long expected_key[] = {VK_CONTROL, 'I', 'I', VK_CONTROL};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(strokes[i].what, expected_what[i]) << i;
        EXPECT_EQ(strokes[i].wparam, expected_key[i]) << i;
        if (i > 0) {
            EXPECT_GE(strokes[i].ms, strokes[i - 1].ms) << i;
        }
    }
    // Three pauses of 100 ms lie between the first and the last stroke; the clock's grain is
    // far below the 50 ms allowed here.
    EXPECT_GE(strokes[3].ms - strokes[0].ms, 250u);
}

}  // namespace
