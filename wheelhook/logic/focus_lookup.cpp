#include "wheelhook/logic/focus_lookup.h"

WindowId FindFocusWindow(FocusQuery& query) {
    const uint32_t foreground = query.ForegroundThread();
    if (foreground == 0) return 0;
    const uint32_t agent = query.AgentThread();
    if (foreground == agent) return query.Focus();
    // Without the attach, the focus read would be the agent's own, which says nothing of the
    // foreground window.
    if (!query.AttachInput(agent, foreground, true)) return 0;
    const WindowId focus = query.Focus();
    query.AttachInput(agent, foreground, false);
    return focus;
}
