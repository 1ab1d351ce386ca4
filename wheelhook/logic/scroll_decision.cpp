#include "wheelhook/logic/scroll_decision.h"

#include "wheelhook/logic/text_compare.h"

bool IsScrollBarControl(const char* class_name, uint32_t style, bool vertical) {
    if (!EqualsIgnoringCase(class_name, "SCROLLBAR")) return false;
    return ((style & KB_SBS_VERT) != 0) == vertical;
}

bool IsBrowserDocumentClass(const char* class_name) {
    return EqualsIgnoringCase(class_name, "Internet Explorer_Server");
}

bool IsHorizontalWheel(int16_t delta, bool shift_down) {
    return delta == 1 || delta == -1 || shift_down;
}

uint32_t ScrollCodeFor(const WheelSettings& settings, int16_t delta) {
    const bool up = (delta > 0) != (settings.ScrollReverse != 0);
    const uint32_t code = up ? KB_SB_LINEUP : KB_SB_LINEDOWN;
    return settings.ScrollMode != 0 ? code + 2 : code;
}

ScrollDecision DecideScroll(const WheelSettings& settings, WindowQuery& windows, WindowId focus,
                            bool horizontal, int16_t delta) {
    ScrollDecision decision = {kWheelConsumed, 0, focus, ScrollCodeFor(settings, delta), 0, 0};
    decision.message = horizontal ? KB_WM_HSCROLL : KB_WM_VSCROLL;

    const uint32_t focus_style = windows.Style(focus);
    const uint32_t wanted_style = horizontal ? KB_WS_HSCROLL : KB_WS_VSCROLL;
    if ((focus_style & wanted_style) == 0)
        decision.scroll_bar = windows.FindScrollBar(focus, !horizontal);

    const WindowId parent = windows.Parent(focus);
    const bool has_any_scroll_style = (focus_style & (KB_WS_HSCROLL | KB_WS_VSCROLL)) != 0;
    if (!has_any_scroll_style && decision.scroll_bar == 0) {
        decision.scroll_bar = windows.FindScrollBar(parent, !horizontal);
        if (decision.scroll_bar != 0) {
            // Only a scroll bar that belongs to the parent itself says the parent scrolls.
            if (windows.Parent(decision.scroll_bar) != parent) {
                decision.result = kWheelPassOn;
                decision.message = 0;
                return decision;
            }
            decision.target = parent;
        }
    }
    if (windows.IsWindow(decision.target)) decision.count = LinesPerNotch(settings);
    return decision;
}

ScrollDecision DecideFocusWheel(const WheelSettings& settings, WindowQuery& windows,
                                WindowId focus, WindowId desktop_icon_view, int16_t delta,
                                bool shift_down) {
    // A focus that could not be found is no reason to swallow the notch: the application gets
    // it as the platform delivers it.
    if (focus == 0) return {kWheelPassOn, 0, 0, 0, 0, 0};
    if (focus == desktop_icon_view) return {kWheelConsumed, 0, 0, 0, 0, 0};
    char class_name[kClassNameSize];
    windows.ClassName(focus, class_name, sizeof class_name);
    if (IsBrowserDocumentClass(class_name)) return {kWheelPassOn, 0, 0, 0, 0, 0};
    return DecideScroll(settings, windows, focus, IsHorizontalWheel(delta, shift_down), delta);
}
