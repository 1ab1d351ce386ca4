// The setup and its uninstaller as a user meets them: every page and question, pictured for the
// contact sheet (build/<world>/captures/setup_*.png), answered as the user would. Answering "No"
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

// The status line of the setup's and the uninstaller's last page once their work is over.
constexpr char kCompleted[] = "Completed";

// The window's client area once it has settled: the other program paints in its own time.
void Picture(HWND window, const char* name) {
    const capture::Pixels pixels = capture::CaptureClientSettled(window, [] { Sleep(100); });
    const std::string path = winsupport::BuildDir() + "..\\captures\\" + name + ".png";
    std::string error;
    EXPECT_TRUE(capture::WritePng(pixels, path, error)) << path << ": " << error;
}

// Once the wizard's main button says `button` and can be pressed, pictures the page and presses it.
// The page that does the work says "&Close" on that button, enabled, for the first few
// milliseconds, before it disables it for the work: a press then ends nothing. That page is
// passed only once its status line says `status` as well.
bool PassPage(HWND wizard, const char* button, const char* picture, const char* status = nullptr) {
    if (!WaitUntil([&] {
            return ControlText(wizard, IDOK) == button && IsWindowEnabled(GetDlgItem(wizard, IDOK)) &&
                   (status == nullptr || HasChildWithText(wizard, status));
        }))
        return false;
    Picture(wizard, picture);
    Press(wizard, IDOK);
    return true;
}

// Pictures the process's question that contains `words` and answers it; false when none came.
bool Answer(DWORD process_id, const char* words, int answer, const char* picture) {
    const HWND question = WaitForMessageBox(process_id, words);
    if (question == nullptr) return false;
    Picture(question, picture);
    Press(question, answer);
    return true;
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
    const HWND wizard = WaitForDialog(GetProcessId(setup), "Orvanta Skyrel Setup");
    ASSERT_TRUE(PassPage(wizard, "&Install", "setup_1_folder")) << "no folder page";
    ASSERT_TRUE(PassPage(wizard, "&Close", "setup_2_installed", kCompleted)) << "the install did not end";
    EXPECT_TRUE(Answer(GetProcessId(setup), "Restart now?", IDNO, "setup_3_restart"))
        << "a first install did not say that Windows must restart";
    EXPECT_EQ(ExitCodeOnceEnded(setup), kRestartNeeded);

    sheet_test::WriteNumber(HKEY_LOCAL_MACHINE, KB_REG_WHEEL, KB_VAL_SCROLL_LINE, 7);
    const HANDLE uninstaller = StartUninstaller();
    ASSERT_NE(uninstaller, nullptr);
    const DWORD uninstaller_id = GetProcessId(uninstaller);
    const HWND confirm = WaitForDialog(uninstaller_id, "Orvanta Skyrel Uninstall");
    ASSERT_TRUE(PassPage(confirm, "&Uninstall", "setup_4_uninstall"));
    EXPECT_TRUE(Answer(uninstaller_id, "Keep your", IDNO, "setup_5_keep_settings"))
        << "the uninstaller did not ask about the settings";
    ASSERT_TRUE(PassPage(confirm, "&Close", "setup_6_uninstalled", kCompleted)) << "the uninstall did not end";
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
