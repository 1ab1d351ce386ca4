// A program linked against trayicon_import, as the agent will be: the loader binds the two
// exports by ordinal alone, and the calls reach the real library.
#include <windows.h>

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "common/window_classes.h"
#include "tools/fixtures/import_patch.h"
#include "trayicon/trayicon.h"

namespace {

TEST(TrayImportLibrary, BindsBothExportsByOrdinalOnly) {
    std::vector<unsigned> ordinals;
    for (const import_patch::ImportedFunction& f : import_patch::ImportsOf(GetModuleHandleA(nullptr))) {
        if (lstrcmpiA(f.dll.c_str(), "trayicon.dll") != 0) continue;
        EXPECT_TRUE(f.by_ordinal) << "imported by name: " << f.name;
        ordinals.push_back(f.ordinal);
    }
    std::sort(ordinals.begin(), ordinals.end());
    EXPECT_EQ(ordinals, (std::vector<unsigned>{1, 2}));
}

TEST(TrayImportLibrary, CallsReachTheLibrary) {
    HWND window = Init_StatusTray();
    ASSERT_NE(window, nullptr);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    EXPECT_STREQ(name, KB_CLASS_STATUS_TRAY);
    EXPECT_TRUE(Exit_StatusTray());
    EXPECT_FALSE(IsWindow(window));
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
