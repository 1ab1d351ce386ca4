// What agent_gui_counter.dll publishes from inside the agent's process: the GDI and USER
// objects made there since it loaded and not freed yet.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdio>

struct GUI_OBJECT_COUNTS {
    volatile LONG GdiObjects;   // alive now
    volatile LONG UserObjects;
    volatile LONG GdiMade;      // made in all, to show the counter sees the agent's calls
    volatile LONG UserMade;
};

// The name of the file mapping that holds the counts of the process `process_id`.
inline void GuiCounterMappingName(DWORD process_id, char* name, size_t size) {
    std::snprintf(name, size, "KbAgentGuiObjects%lu", static_cast<unsigned long>(process_id));
}

constexpr const char* kGuiCounterDll = "agent_gui_counter.dll";
constexpr const char* kGuiCounterHook = "GuiCounterHook";
