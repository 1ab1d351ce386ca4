// The library in a process: its window class and its exports for as long as it is loaded,
// and a process that ends with the tray window still open.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "common/window_classes.h"
#include "tools/fixtures/program_start.h"
#include "trayicon/tests/wine/tray_fixture.h"
#include "trayicon/tests/wine/tray_open_at_exit.h"

namespace {

TEST(TrayLibrary, ClassLivesExactlyWhileTheLibraryIsLoaded) {
    ASSERT_EQ(GetModuleHandleA("trayicon.dll"), nullptr);
    HMODULE dll = LoadLibraryA("trayicon.dll");
    ASSERT_NE(dll, nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    ASSERT_TRUE(GetClassInfoExA(dll, KB_CLASS_STATUS_TRAY, &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    EXPECT_EQ(wc.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    EXPECT_EQ(wc.lpszMenuName, nullptr);
    EXPECT_NE(wc.hIcon, nullptr);
    EXPECT_NE(wc.hIconSm, nullptr);

    ASSERT_TRUE(FreeLibrary(dll));
    EXPECT_EQ(GetModuleHandleA("trayicon.dll"), nullptr);
    EXPECT_FALSE(GetClassInfoExA(dll, KB_CLASS_STATUS_TRAY, &wc));
}

TEST(TrayLibrary, ExportsHaveTheirNamesAtTheirOrdinals) {
    HMODULE dll = LoadLibraryA("trayicon.dll");
    ASSERT_NE(dll, nullptr);
    EXPECT_EQ(GetProcAddress(dll, "Init_StatusTray"), GetProcAddress(dll, MAKEINTRESOURCEA(1)));
    EXPECT_EQ(GetProcAddress(dll, "Exit_StatusTray"), GetProcAddress(dll, MAKEINTRESOURCEA(2)));
    EXPECT_NE(GetProcAddress(dll, MAKEINTRESOURCEA(1)), nullptr);
    EXPECT_NE(GetProcAddress(dll, MAKEINTRESOURCEA(2)), nullptr);
    FreeLibrary(dll);
}

// The process ends as it asked: no crash, no hang in the library's detach, and no call into
// user32 or shell32 while it ends (see tray_open_at_exit.cpp). The system takes the window,
// its icons and their pictures away with the process.
TEST(TrayLibrary, ProcessEndingWithTheTrayOpenEndsCleanly) {
    const HANDLE process = fixtures::StartProgram("trayicon_open_at_exit.exe").process;
    ASSERT_NE(process, nullptr) << "CreateProcessA, error " << GetLastError();
    DWORD waited = WaitForSingleObject(process, tray_test::kGiveUpMs);
    if (waited != WAIT_OBJECT_0) TerminateProcess(process, 1);
    DWORD exit_code = 0;
    GetExitCodeProcess(process, &exit_code);
    CloseHandle(process);
    ASSERT_EQ(waited, static_cast<DWORD>(WAIT_OBJECT_0)) << "the process never ended";
    EXPECT_EQ(exit_code, tray_test::kEndedAsAsked)
        << "exit code " << exit_code << ", as tray_open_at_exit.h names them";
}

}  // namespace
