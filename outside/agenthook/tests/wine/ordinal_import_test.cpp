// A program linked against agenthook_import, as the agent is: the loader binds the one export
// by ordinal 2 alone, and the agent's two calls reach the stand-in and are accepted.
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "outside/agenthook/agenthook.h"
#include "tools/fixtures/import_patch.h"

namespace {

DWORD AsHookValue(HWND window) { return static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(window)); }

TEST(AgentHookImportLibrary, BindsOrdinalTwoOnly) {
    std::vector<unsigned> ordinals;
    for (const import_patch::ImportedFunction& f : import_patch::ImportsOf(GetModuleHandleA(nullptr))) {
        if (lstrcmpiA(f.dll.c_str(), "agenthook.dll") != 0) continue;
        EXPECT_TRUE(f.by_ordinal) << "imported by name: " << f.name;
        ordinals.push_back(f.ordinal);
    }
    EXPECT_EQ(ordinals, (std::vector<unsigned>{2}));
}

TEST(AgentHookImportLibrary, AcceptsTheAgentsTwoCallsAndRefusesOtherFirstValues) {
    const DWORD main_window = AsHookValue(GetDesktopWindow());
    const DWORD popup_window = AsHookValue(GetShellWindow());
    EXPECT_TRUE(SetAgentWindows(1, main_window, popup_window)) << "the call at start";
    EXPECT_TRUE(SetAgentWindows(0, 0, 0)) << "the call after the message loop";
    EXPECT_FALSE(SetAgentWindows(2, main_window, popup_window));
    EXPECT_FALSE(SetAgentWindows(0xFFFFFFFF, 0, 0));
}

}  // namespace
