// The GDI and USER objects that chosen modules of a process made and have not freed yet, as the
// counter publishes them from inside that process: agent_gui_counter.dll in the agent, the
// counter linked into the soak's panel host.
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
    std::snprintf(name, size, "KbGuiObjects%lu", static_cast<unsigned long>(process_id));
}

constexpr const char* kGuiCounterDll = "agent_gui_counter.dll";
constexpr const char* kGuiCounterHook = "GuiCounterHook";

namespace gui_counter {

// Publishes this process's counts in its mapping; once, before CountObjectsOf. False when the
// mapping could not be made.
bool StartCounting();
// From now on the module's calls that make or free GDI and USER objects are counted.
void CountObjectsOf(HMODULE module);

}  // namespace gui_counter
