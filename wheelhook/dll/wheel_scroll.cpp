// Wheel notches turned into scroll messages for the window with the keyboard focus.
#include "wheelhook/dll/wheel_scroll.h"

#include "wheelhook/dll/shared_state.h"
#include "wheelhook/dll/win32_platform.h"
#include "wheelhook/dll/window_ids.h"
#include "wheelhook/logic/focus_lookup.h"
#include "wheelhook/logic/scroll_decision.h"
#include "wheelhook/wheelhook.h"

namespace {

void ReadClassName(HWND window, char* buffer, size_t size) {
    buffer[0] = '\0';
    if (window && GetClassNameA(window, buffer, static_cast<int>(size)) == 0) buffer[0] = '\0';
}

BOOL FindScrollBarChild(HWND child, LPARAM out, bool vertical) {
    char class_name[kClassNameSize];
    ReadClassName(child, class_name, sizeof class_name);
    const auto child_style = static_cast<uint32_t>(GetWindowLongA(child, GWL_STYLE));
    if (!IsScrollBarControl(class_name, child_style, vertical)) return TRUE;
    *reinterpret_cast<HWND*>(out) = child;
    return FALSE;
}

class LiveWindows final : public WindowQuery {
public:
    void ClassName(WindowId window, char* buffer, size_t size) override {
        ReadClassName(WindowOf(window), buffer, size);
    }
    uint32_t Style(WindowId window) override {
        return static_cast<uint32_t>(GetWindowLongA(WindowOf(window), GWL_STYLE));
    }
    WindowId Parent(WindowId window) override { return IdOf(GetParent(WindowOf(window))); }
    bool IsWindow(WindowId window) override { return ::IsWindow(WindowOf(window)) != FALSE; }
    WindowId FindScrollBar(WindowId window, bool vertical) override {
        // Enumerating the children of no window would walk every top-level window instead.
        if (window == 0) return 0;
        HWND found = nullptr;
        EnumChildWindows(WindowOf(window), vertical ? FindVertScrollBar : FindHorzScrollBar,
                         reinterpret_cast<LPARAM>(&found));
        return IdOf(found);
    }
};

class LiveFocus final : public FocusQuery {
public:
    uint32_t AgentThread() override { return GetWindowThreadProcessId(g_shared.AgentWindow, nullptr); }
    uint32_t ForegroundThread() override {
        HWND foreground = GetForegroundWindow();
        return foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
    }
    bool AttachInput(uint32_t from, uint32_t to, bool attach) override {
        return AttachThreadInput(from, to, attach ? TRUE : FALSE) != FALSE;
    }
    WindowId Focus() override { return IdOf(GetFocus()); }
};

int Perform(const ScrollDecision& decision) {
    for (uint32_t i = 0; i < decision.count; ++i) {
        // A full queue refuses the rest as well; stop instead of spinning on it.
        if (!PostMessageA(WindowOf(decision.target), decision.message, decision.code,
                          static_cast<LPARAM>(decision.scroll_bar)))
            break;
    }
    return decision.result;
}

}  // namespace

BOOL CALLBACK FindVertScrollBar(HWND child, LPARAM out) { return FindScrollBarChild(child, out, true); }

BOOL CALLBACK FindHorzScrollBar(HWND child, LPARAM out) { return FindScrollBarChild(child, out, false); }

int WINAPI ProcWheel(MSLLHOOKSTRUCT* event) {
    if (!event) return kWheelPassOn;
    const auto delta = static_cast<int16_t>(HIWORD(event->mouseData));
    LiveFocus focus;
    LiveWindows windows;
    return Perform(DecideFocusWheel(g_shared.Settings, windows, FindFocusWindow(focus),
                                    IdOf(g_shared.DesktopIconView), delta, ShiftDown()));
}

int WINAPI ProcWheelEx(HWND focus, int horizontal, short delta) {
    LiveWindows windows;
    return Perform(DecideScroll(g_shared.Settings, windows, IdOf(focus), horizontal != 0, delta));
}
