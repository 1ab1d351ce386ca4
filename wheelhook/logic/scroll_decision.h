// What one wheel notch does to the window with the keyboard focus: which scroll message, to
// which window, with which code, how many times and which scroll-bar control as lParam.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "common/win32_numbers.h"
#include "wheelhook/logic/wheel_settings.h"
#include "wheelhook/logic/window_id.h"

// Class names are read into buffers of this size (at most 127 characters and the NUL).
constexpr size_t kClassNameSize = 128;

// The few facts about windows the decision needs. The library answers from the live window
// tree; tests answer from a tree written down as data.
class WindowQuery {
public:
    // The class name, NUL-terminated within `size` bytes; empty for no window.
    virtual void ClassName(WindowId window, char* buffer, size_t size) = 0;
    virtual uint32_t Style(WindowId window) = 0;
    virtual WindowId Parent(WindowId window) = 0;
    virtual bool IsWindow(WindowId window) = 0;
    // The first scroll-bar control among all descendants of `window`, in the platform's
    // enumeration order, vertical or horizontal; 0 when there is none.
    virtual WindowId FindScrollBar(WindowId window, bool vertical) = 0;

protected:
    ~WindowQuery() = default;
};

// Result convention of the wheel procedures.
constexpr int kWheelConsumed = 0;
constexpr int kWheelPassOn = 1;

struct ScrollDecision {
    int result;           // kWheelConsumed or kWheelPassOn
    uint32_t message;     // KB_WM_VSCROLL or KB_WM_HSCROLL; 0 when nothing is posted
    WindowId target;
    uint32_t code;        // scroll code (wParam)
    uint32_t count;       // how many times the message is posted
    WindowId scroll_bar;  // lParam
};

// Whether a window of this class and style is the scroll-bar control a finder looks for.
bool IsScrollBarControl(const char* class_name, uint32_t style, bool vertical);

// The browser's document window, which scrolls itself from the (rewritten) wheel message.
bool IsBrowserDocumentClass(const char* class_name);

// An injected delta of exactly +1 or -1 asks for horizontal scrolling; otherwise Shift does.
bool IsHorizontalWheel(int16_t delta, bool shift_down);

// The scroll code of one notch: up (left) for a positive delta, down (right) for 0 or less,
// swapped by "Scroll Reverse", page codes in page mode. Only the sign counts.
uint32_t ScrollCodeFor(const WheelSettings& settings, int16_t delta);

// The decision for a focus window that is neither the desktop icons nor the browser.
ScrollDecision DecideScroll(const WheelSettings& settings, WindowQuery& windows, WindowId focus,
                            bool horizontal, int16_t delta);

// The whole decision for one low-level wheel event that has reached `focus`, 0 when the focus
// is unknown. The notch is dropped on the desktop's icons; `desktop_icon_view` is 0 when there
// are none to drop it on.
ScrollDecision DecideFocusWheel(const WheelSettings& settings, WindowQuery& windows,
                                WindowId focus, WindowId desktop_icon_view, int16_t delta,
                                bool shift_down);
