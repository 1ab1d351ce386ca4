// The library in a process: its window class and its exports, for as long as it is loaded.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/window_classes.h"

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

}  // namespace
