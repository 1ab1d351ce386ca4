#include "agent/bench/gui_counter_client.h"

#include "tools/winetest/test_support.h"

GuiObjectCounter::~GuiObjectCounter() {
    if (counts_) UnmapViewOfFile(counts_);
    if (mapping_) CloseHandle(mapping_);
}

bool GuiObjectCounter::Attach(HWND main_window) {
    DWORD process_id = 0;
    GetWindowThreadProcessId(main_window, &process_id);
    hook_ = std::make_unique<ThreadHook>(kGuiCounterDll, kGuiCounterHook, main_window);
    // The DLL comes into the agent with the first message its thread takes after the hook.
    return hook_->set() && Map(process_id, main_window);
}

bool GuiObjectCounter::Open(DWORD process_id) {
    return Map(process_id, nullptr);
}

bool GuiObjectCounter::Map(DWORD process_id, HWND nudge) {
    char name[64];
    GuiCounterMappingName(process_id, name, sizeof name);
    const DWORD deadline = GetTickCount() + winetest::SLOW_WAIT_LIMIT_MS;
    while (!mapping_ && GetTickCount() < deadline) {
        if (nudge) PostMessageA(nudge, WM_NULL, 0, 0);
        Sleep(50);
        mapping_ = OpenFileMappingA(FILE_MAP_READ, FALSE, name);
    }
    if (!mapping_) return false;
    counts_ = static_cast<const GUI_OBJECT_COUNTS*>(MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, 0));
    return counts_ != nullptr;
}

GUI_OBJECT_COUNTS GuiObjectCounter::Read() const {
    GUI_OBJECT_COUNTS counts = {};
    if (counts_) {
        counts.GdiObjects = counts_->GdiObjects;
        counts.UserObjects = counts_->UserObjects;
        counts.GdiMade = counts_->GdiMade;
        counts.UserMade = counts_->UserMade;
    }
    return counts;
}
