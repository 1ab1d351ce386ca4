// The setup and its uninstaller as a user meets them: every page and question, pictured for the
// contact sheet (build/<world>/captures/setup-*.png), answered as the user would. Answering "No"
// to keeping the settings removes them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/registry_names.h"
#include "setup/tests/wine/setup_run.h"
#include "setup/tests/wine/setup_windows.h"
#include "tools/capture/window_capture.h"
#include "tools/fixtures/sheets/test_registry.h"
#include "tools/winsupport/build_files.h"

namespace {

using namespace setup_test;

// The window's client area once it has settled: the other program paints in its own time.
void Picture(HWND window, const char* name) {
    const capture::Pixels pixels = capture::CaptureClientSettled(window, [] { Sleep(100); });
    const std::string path = winsupport::BuildDir() + "..\\captures\\" + name + ".png";
    std::string error;
    EXPECT_TRUE(capture::WritePng(pixels, path, error)) << path << ": " << error;
}

// Waits until the wizard's main button says `text` and can be pressed.
bool MainButtonReads(HWND wizard, const char* text) {
    return WaitUntil([&] { return ControlText(wizard, IDOK) == text && IsWindowEnabled(GetDlgItem(wizard, IDOK)); });
}

DWORD ExitCodeOnceEnded(HANDLE process) {
    DWORD code = 0xFFFFFFFF;
    if (WaitUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; })) GetExitCodeProcess(process, &code);
    CloseHandle(process);
    return code;
}

TEST(SetupPages, AnInteractiveInstallAndUninstallShowWhatTheyDoAndAsk) {
    const HANDLE setup = StartSetup();
    ASSERT_NE(setup, nullptr);
    const DWORD setup_id = GetProcessId(setup);
    const HWND wizard = WaitForDialog(setup_id, "Orvanta Skyrel Setup");
    ASSERT_NE(wizard, nullptr);
    ASSERT_TRUE(MainButtonReads(wizard, "&Install")) << "no folder page";
    Picture(wizard, "setup-1-folder");
    Press(wizard, IDOK);
    ASSERT_TRUE(MainButtonReads(wizard, "&Close")) << "the install did not end";
    Picture(wizard, "setup-2-installed");
    Press(wizard, IDOK);
    const HWND restart = WaitForMessageBox(setup_id, "Restart now?");
    ASSERT_NE(restart, nullptr) << "a first install did not say that Windows must restart";
    Picture(restart, "setup-3-restart");
    Press(restart, IDNO);
    EXPECT_EQ(ExitCodeOnceEnded(setup), kRestartNeeded);

    sheet_test::WriteNumber(HKEY_LOCAL_MACHINE, KB_REG_WHEEL, KB_VAL_SCROLL_LINE, 7);
    const HANDLE uninstaller = StartUninstaller();
    ASSERT_NE(uninstaller, nullptr);
    const DWORD uninstaller_id = GetProcessId(uninstaller);
    const HWND confirm = WaitForDialog(uninstaller_id, "Orvanta Skyrel Uninstall");
    ASSERT_NE(confirm, nullptr);
    ASSERT_TRUE(MainButtonReads(confirm, "&Uninstall"));
    Picture(confirm, "setup-4-uninstall");
    Press(confirm, IDOK);
    const HWND keep = WaitForMessageBox(uninstaller_id, "Keep your");
    ASSERT_NE(keep, nullptr) << "the uninstaller did not ask about the settings";
    Picture(keep, "setup-5-keep-settings");
    Press(keep, IDNO);
    ASSERT_TRUE(MainButtonReads(confirm, "&Close")) << "the uninstall did not end";
    Picture(confirm, "setup-6-uninstalled");
    Press(confirm, IDOK);
    // Files in use wait for the next restart; then the uninstaller says so, and its exit code too.
    HWND later = nullptr;
    WaitUntil([&] {
        later = FindMessageBox(uninstaller_id, "Restart now?");
        return later != nullptr || WaitForSingleObject(uninstaller, 0) == WAIT_OBJECT_0;
    });
    if (later != nullptr) Press(later, IDNO);
    EXPECT_EQ(ExitCodeOnceEnded(uninstaller), later != nullptr ? kRestartNeeded : 0u);
    EXPECT_FALSE(sheet_test::KeyExists(HKEY_LOCAL_MACHINE, "Software\\Orvanta")) << "the settings were kept";
}

}  // namespace
