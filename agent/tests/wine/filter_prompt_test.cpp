// The restart prompt as a user meets it, in a process of its own: the message box found, its
// caption and text read, and each answer given. The OK answer's ExitWindowsEx goes to a stand-in
// the process was handed instead: Wine's own ExitWindowsEx(EWX_REBOOT | EWX_FORCE) starts
// "wineboot --kill", which ends every process of the prefix without asking (this test with
// them) and then starts the prefix again; it restarts nothing on the machine and does not look
// at the shut-down privilege.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "agent/win32/filter_install_prompt.h"
#include "tools/fixtures/program_start.h"
#include "tools/fixtures/window_text.h"
#include "tools/winetest/test_support.h"
#include "tools/winsupport/build_files.h"

namespace {

BOOL CALLBACK FindMessageText(HWND child, LPARAM found) {
    char class_name[32];
    GetClassNameA(child, class_name, sizeof class_name);
    const std::string text = fixtures::WindowText(child);
    if (lstrcmpiA(class_name, "Static") == 0 && !text.empty()) {
        *reinterpret_cast<std::string*>(found) = text;
        return FALSE;
    }
    return TRUE;
}

class PromptPeer {
public:
    PromptPeer() {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        log_ = std::string(temp) + "filter_prompt_peer_" + std::to_string(GetTickCount()) + ".log";
        std::string command = "\"" + winsupport::BuildFile("agent_filter_install_peer.exe") + "\" \"" + log_ + "\" prompt";
        process_ = fixtures::StartProgram(command).process;
    }
    ~PromptPeer() {
        if (process_ != nullptr) {
            if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 99);
            CloseHandle(process_);
        }
        DeleteFileA(log_.c_str());
    }

    HWND WaitForBox() const {
        for (DWORD waited = 0; process_ != nullptr && waited < winetest::SLOW_WAIT_LIMIT_MS; waited += 50) {
            HWND box = FindWindowA("#32770", kRestartPromptCaption);
            if (box) return box;
            Sleep(50);
        }
        return nullptr;
    }

    std::vector<std::string> Finish() const {
        std::vector<std::string> lines;
        if (WaitForSingleObject(process_, winetest::SLOW_WAIT_LIMIT_MS) != WAIT_OBJECT_0) return lines;
        std::ifstream file(log_);
        for (std::string line; std::getline(file, line);) lines.push_back(line);
        return lines;
    }

private:
    HANDLE process_ = nullptr;
    std::string log_;
};

TEST(RestartPrompt, CaptionAndTextAsTheUserReadsThemAndCancelDoesNothing) {
    PromptPeer peer;
    HWND box = peer.WaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(fixtures::WindowText(box), "System message");
    std::string text;
    EnumChildWindows(box, FindMessageText, reinterpret_cast<LPARAM>(&text));
    EXPECT_EQ(text, "Detect a new Skyrel device is installed\nSystem need re-boot to active device!");
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_NE(GetDlgItem(box, IDCANCEL), nullptr);
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    const std::vector<std::string> lines = peer.Finish();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "timer ended");
}

TEST(RestartPrompt, OkEnablesTheShutdownPrivilegeAndRestartsByForce) {
    PromptPeer peer;
    HWND box = peer.WaitForBox();
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    const std::vector<std::string> lines = peer.Finish();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "ExitWindowsEx 0x6 0 privilege enabled");  // EWX_REBOOT | EWX_FORCE
    EXPECT_EQ(lines[2], "timer ended");
}

}  // namespace
