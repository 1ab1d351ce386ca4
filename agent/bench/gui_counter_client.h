// The soak's side of the GDI and USER object counter: puts agent_gui_counter.dll into a running
// agent with a message hook on the agent's user-interface thread, or finds the counter a process
// of the soak's own runs, and reads what it counts.
#pragma once

#include <windows.h>

#include <memory>

#include "agent/bench/gui_object_counter.h"
#include "tools/fixtures/thread_hook.h"

class GuiObjectCounter {
public:
    GuiObjectCounter() = default;
    // The hook stays until the agent has ended: the DLL's wrappers sit in the agent's imports.
    ~GuiObjectCounter();
    GuiObjectCounter(const GuiObjectCounter&) = delete;
    GuiObjectCounter& operator=(const GuiObjectCounter&) = delete;

    // True once the DLL runs inside the agent whose main window this is.
    bool Attach(HWND main_window);
    // True once the process counts its own objects and publishes them.
    bool Open(DWORD process_id);
    // The objects made since Attach and not yet freed.
    GUI_OBJECT_COUNTS Read() const;

private:
    // Waits for the process's mapping; a message to `nudge`, when given, lets a hook load.
    bool Map(DWORD process_id, HWND nudge);

    std::unique_ptr<ThreadHook> hook_;
    HANDLE mapping_ = nullptr;
    const GUI_OBJECT_COUNTS* counts_ = nullptr;
};
