// How long the popup stays up. The settings pages store "Delay" as the position in their list
// of display times (0 "0.5 second", 1 "1 second", ... 11 "40 seconds"); the popup stays for the
// time that position names. A value the list doesn't have counts as seconds, but never longer
// than the list's longest time: the popup sits on top of every window.
#pragma once

#include <cstdint>

constexpr unsigned kPopupTickMs = 100;

// Ticks of kPopupTickMs the popup stays visible for `delay`.
uint32_t PopupTickLimit(uint32_t delay);

// The ticks counted since the popup was last shown.
struct PopupTimer {
    uint32_t ticks = 0;

    void Restart() { ticks = 0; }
    // One tick of the popup's timer; true when the popup is to hide now. A hidden popup counts
    // nothing.
    bool Tick(bool visible, uint32_t tick_limit);
};
