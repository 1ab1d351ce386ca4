// Which window has the keyboard focus, seen from the agent's thread, which runs the low-level
// hook. A thread reads only its own input state's focus, so for a foreground window of another
// thread the agent attaches its input to that thread for the moment of the read.
#pragma once

#include <stdint.h>

#include "wheelhook/logic/window_id.h"

// The platform's side of the lookup. The library answers with the real calls; tests answer
// with threads and refusals written down as data.
class FocusQuery {
public:
    // The thread of the agent's window, which runs the low-level hook and reads the focus.
    virtual uint32_t AgentThread() = 0;
    // The thread of the foreground window; 0 when there is no foreground window.
    virtual uint32_t ForegroundThread() = 0;
    // AttachThreadInput(from, to, attach); false when refused.
    virtual bool AttachInput(uint32_t from, uint32_t to, bool attach) = 0;
    // The focus window of the agent thread's input state, 0 for none.
    virtual WindowId Focus() = 0;

protected:
    ~FocusQuery() = default;
};

// The focus window of the foreground thread, or 0 when it can't be known: no foreground
// window, an attach the platform refused, or no focus at all.
WindowId FindFocusWindow(FocusQuery& query);
