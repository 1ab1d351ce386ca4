// The end of a wheel event's work, made visible to the window that receives it. A low-level
// mouse hook of the test's own, set after the wheel hook's, is called first: it lets each wheel
// event go through the wheel hook and then posts kWheelMarker to the target. The wheel hook
// posts its scroll messages from inside its own call, on the same thread, so the marker reaches
// the target after all of them; its wParam is 1 when the wheel hook consumed the event.
#pragma once

#include <windows.h>

namespace wheeltest {

constexpr UINT kWheelMarker = WM_APP + 0x57;

class WheelMarker {
public:
    WheelMarker() = default;
    ~WheelMarker() { Remove(); }
    WheelMarker(const WheelMarker&) = delete;
    WheelMarker& operator=(const WheelMarker&) = delete;

    // Sets the hook anew (after whatever hooks the wheel hook set last) with `target`.
    bool Install(HWND target);
    void Remove();
};

}  // namespace wheeltest
