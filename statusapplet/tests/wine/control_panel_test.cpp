// Wine's own Control Panel opening the applet the way the tray does it ("Control.exe
// skyrel.cpl"): the dialog appears in the Control Panel's process, shows what the filter
// driver reports, and closing it ends the Control Panel.
#include <string>

#include <gtest/gtest.h>

#include "statusapplet/logic/applet_resources.h"
#include "statusapplet/tests/wine/applet_fixture.h"
#include "tools/winsupport/build_files.h"

namespace {

using applet_test::AppletWithReceiver;
using applet_test::DeviceButton;

class ControlPanel : public AppletWithReceiver {
protected:
    void TearDown() override {
        if (process_.hProcess != nullptr) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
            CloseHandle(process_.hProcess);
            CloseHandle(process_.hThread);
        }
        AppletWithReceiver::TearDown();
    }

    // Runs the command in the build folder, where skyrel.cpl lies, as a program of its own.
    bool Start(const char* command) {
        std::string line = command;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        const std::string folder = winsupport::BuildDir();
        return CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                              &process_) != FALSE;
    }

    HWND WaitForDialog() const {
        const DWORD start = GetTickCount();
        do {
            HWND found = nullptr;
            while ((found = FindWindowExA(nullptr, found, "#32770", "Skyrel RF Status")) != nullptr) {
                DWORD owner = 0;
                GetWindowThreadProcessId(found, &owner);
                if (owner == process_.dwProcessId && IsWindowVisible(found)) return found;
            }
            Sleep(20);
        } while (GetTickCount() - start < winetest::SLOW_WAIT_LIMIT_MS &&
                 WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT);
        return nullptr;
    }

    static std::string Text(HWND control) {
        char text[64] = {};
        GetWindowTextA(control, text, sizeof text);
        return text;
    }

    PROCESS_INFORMATION process_ = {};
};

TEST_F(ControlPanel, ControlExeOpensTheDialogAndClosingItEndsTheControlPanel) {
    ReportDevice(DEVICE_MOUSE, 4, 0x0FFF, 0);
    ASSERT_TRUE(Start("control.exe skyrel.cpl")) << "error " << GetLastError();
    HWND dialog = WaitForDialog();
    ASSERT_NE(dialog, nullptr) << "the Control Panel showed no status dialog";

    EXPECT_EQ(Text(DeviceButton(dialog, DEVICE_MOUSE)), "Mouse");
    EXPECT_TRUE(IsWindowEnabled(DeviceButton(dialog, DEVICE_MOUSE)));
    EXPECT_FALSE(IsWindowEnabled(DeviceButton(dialog, DEVICE_KEYBOARD)));
    EXPECT_EQ(Text(GetDlgItem(dialog, KB_IDC_CHANNEL)), "5");
    EXPECT_EQ(Text(GetDlgItem(dialog, KB_IDC_ID)), "4096");
    EXPECT_EQ(FeedThrough({0x01, 0xE9, 0x00}), (std::vector<uint8_t>{0x01, 0xE9, 0x00}))
        << "the Control Panel's applet only reads the table: the key stays Windows'";

    PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process_.hProcess, winetest::SLOW_WAIT_LIMIT_MS), WAIT_OBJECT_0)
        << "the Control Panel went on after the dialog closed";
    DWORD exit_code = 1;
    GetExitCodeProcess(process_.hProcess, &exit_code);
    EXPECT_EQ(exit_code, 0u);
}

}  // namespace
