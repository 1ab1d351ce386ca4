// The status-page server registered at every start of the real keyagent.exe, and its file
// copied from the agent's own folder into the system folder only when it is missing there.
#include <gtest/gtest.h>

#include <string>

#include "agent/tests/wine/registry_values.h"
#include "agent/tests/wine/test_tray.h"
#include "common/private_messages.h"
#include "tools/fixtures/agent_process.h"
#include "tools/fixtures/message_pump.h"
#include "tools/winetest/test_support.h"
#include "tools/winsupport/build_files.h"

namespace {

const char kClassKey[] = "CLSID\\{c760afa1-df5a-4349-b9f3-ccfafa3cd4ea}";
const char kServerKey[] = "CLSID\\{c760afa1-df5a-4349-b9f3-ccfafa3cd4ea}\\InProcServer32";
const char kHandlerKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\Keyboard\\shellex\\PropertySheetHandlers\\"
    "Orvanta ZI Dodoveda Status";

std::string SystemFile() {
    char dir[MAX_PATH];
    GetSystemDirectoryA(dir, sizeof dir);
    return std::string(dir) + "\\statuspage.DLL";
}

bool WriteWholeFile(const std::string& path, const std::string& text) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return written == text.size();
}

std::string ReadWholeFile(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string whole;
    char data[4096];
    DWORD read = 0;
    while (ReadFile(file, data, sizeof data, &read, nullptr) && read > 0) whole.append(data, read);
    CloseHandle(file);
    return whole;
}

class StatusPage : public testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder_ = std::string(temp) + "agent_status_page";
        CreateDirectoryA(folder_.c_str(), nullptr);
        // Started at logon from the Run key, the agent has a current folder of another
        // program's; a file of that name there is not the server.
        ASSERT_TRUE(WriteWholeFile(folder_ + "\\statuspage.DLL", "a stranger in the current folder"));
        Clean();
    }
    void TearDown() override {
        Clean();
        DeleteFileA((folder_ + "\\statuspage.DLL").c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    void Clean() {
        agenttest::DeleteTree(HKEY_CLASSES_ROOT, kClassKey);
        agenttest::DeleteTree(HKEY_LOCAL_MACHINE, kHandlerKey);
        DeleteFileA(SystemFile().c_str());
    }

    // Runs the agent with the test's folder as its current folder until its start is over,
    // and stops it.
    void RunAgentOnce() {
        agenttest::TestTray tray;
        agenttest::AgentProcess agent;
        ASSERT_TRUE(agent.Start("", folder_));
        ASSERT_NE(agent.WaitForMainWindow(), nullptr);
        ASSERT_TRUE(fixtures::PumpUntil([&] { return tray.Count(WM_TRAY_LOCKKEYS) > 0; }, winetest::SLOW_WAIT_LIMIT_MS));
        ASSERT_TRUE(agenttest::StopWithU(agent));
    }

    std::string folder_;
};

TEST_F(StatusPage, AFreshSystemGetsTheKeysAndTheServerFromBesideTheAgent) {
    RunAgentOnce();
    std::string text;
    EXPECT_TRUE(agenttest::ReadText(HKEY_CLASSES_ROOT, kClassKey, nullptr, &text));
    EXPECT_EQ(text, "Orvanta RF Status");
    EXPECT_TRUE(agenttest::ReadText(HKEY_CLASSES_ROOT, kServerKey, nullptr, &text));
    EXPECT_EQ(text, "statuspage.DLL");
    EXPECT_TRUE(agenttest::ReadText(HKEY_CLASSES_ROOT, kServerKey, "ThreadingModel", &text));
    EXPECT_EQ(text, "Apartment");
    EXPECT_TRUE(agenttest::ReadText(HKEY_LOCAL_MACHINE, kHandlerKey, nullptr, &text));
    EXPECT_EQ(text, "{c760afa1-df5a-4349-b9f3-ccfafa3cd4ea}");
    const std::string server = ReadWholeFile(winsupport::BuildFile("statuspage.DLL"));
    ASSERT_GT(server.size(), 2u);
    EXPECT_TRUE(ReadWholeFile(SystemFile()) == server) << "the system folder holds another file than the agent's";
}

TEST_F(StatusPage, WhatIsThereAlreadyStays) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, kClassKey, &key), ERROR_SUCCESS);
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("mine"), 5);
    RegCloseKey(key);
    ASSERT_EQ(RegCreateKeyA(HKEY_LOCAL_MACHINE, kHandlerKey, &key), ERROR_SUCCESS);
    RegCloseKey(key);
    ASSERT_TRUE(WriteWholeFile(SystemFile(), "the server already installed"));

    RunAgentOnce();
    std::string text;
    EXPECT_TRUE(agenttest::ReadText(HKEY_CLASSES_ROOT, kClassKey, nullptr, &text));
    EXPECT_EQ(text, "mine");
    EXPECT_FALSE(agenttest::ReadText(HKEY_LOCAL_MACHINE, kHandlerKey, nullptr, &text)) << "a handler key that exists is left alone";
    EXPECT_TRUE(agenttest::ReadText(HKEY_CLASSES_ROOT, kServerKey, nullptr, &text)) << "the server's key is written every time";
    EXPECT_EQ(ReadWholeFile(SystemFile()), "the server already installed");
}

}  // namespace
