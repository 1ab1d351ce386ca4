// Wine's own Control Panel opening the applet the way the tray does it ("Control.exe
// skyrel.cpl"): the dialog appears in the Control Panel's process, shows what the filter
// driver reports, and closing it ends the Control Panel.
#include <string>

#include <gtest/gtest.h>

#include "statusapplet/logic/applet_resources.h"
#include "statusapplet/tests/wine/applet_fixture.h"
#include "tools/fixtures/program_start.h"
#include "tools/fixtures/window_text.h"
#include "tools/winsupport/build_files.h"

namespace {

using applet_test::AppletWithReceiver;
using applet_test::DeviceButton;

class ControlPanel : public AppletWithReceiver {
protected:
    void TearDown() override {
        if (process_.process != nullptr) {
            if (WaitForSingleObject(process_.process, 0) == WAIT_TIMEOUT) TerminateProcess(process_.process, 1);
            CloseHandle(process_.process);
        }
        AppletWithReceiver::TearDown();
    }

    // Runs the command in the build folder, where skyrel.cpl lies, as a program of its own.
    bool Start(const char* command) {
        process_ = fixtures::StartProgram(command, winsupport::BuildDir());
        return process_.process != nullptr;
    }

    HWND WaitForDialog() const {
        const DWORD start = GetTickCount();
        do {
            HWND found = nullptr;
            while ((found = FindWindowExA(nullptr, found, "#32770", "Skyrel RF Status")) != nullptr) {
                DWORD owner = 0;
                GetWindowThreadProcessId(found, &owner);
                if (owner == process_.id && IsWindowVisible(found)) return found;
            }
            Sleep(20);
        } while (GetTickCount() - start < winetest::SLOW_WAIT_LIMIT_MS &&
                 WaitForSingleObject(process_.process, 0) == WAIT_TIMEOUT);
        return nullptr;
    }

    fixtures::StartedProgram process_ = {nullptr, 0};
};

TEST_F(ControlPanel, ControlExeOpensTheDialogAndClosingItEndsTheControlPanel) {
    ReportDevice(DEVICE_MOUSE, 4, 0x0FFF, 0);
    ASSERT_TRUE(Start("control.exe skyrel.cpl")) << "error " << GetLastError();
    HWND dialog = WaitForDialog();
    ASSERT_NE(dialog, nullptr) << "the Control Panel showed no status dialog";

    EXPECT_EQ(fixtures::WindowText(DeviceButton(dialog, DEVICE_MOUSE)), "Mouse");
    EXPECT_TRUE(IsWindowEnabled(DeviceButton(dialog, DEVICE_MOUSE)));
    EXPECT_FALSE(IsWindowEnabled(DeviceButton(dialog, DEVICE_KEYBOARD)));
    EXPECT_EQ(fixtures::WindowText(GetDlgItem(dialog, KB_IDC_CHANNEL)), "5");
    EXPECT_EQ(fixtures::WindowText(GetDlgItem(dialog, KB_IDC_ID)), "4096");
    EXPECT_EQ(FeedThrough({0x01, 0xE9, 0x00}), (std::vector<uint8_t>{0x01, 0xE9, 0x00}))
        << "the Control Panel's applet only reads the table: the key stays Windows'";

    PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process_.process, winetest::SLOW_WAIT_LIMIT_MS), WAIT_OBJECT_0)
        << "the Control Panel went on after the dialog closed";
    DWORD exit_code = 1;
    GetExitCodeProcess(process_.process, &exit_code);
    EXPECT_EQ(exit_code, 0u);
}

}  // namespace
