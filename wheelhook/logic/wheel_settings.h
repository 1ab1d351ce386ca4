// The wheel settings as the hooks use them, and the corrections applied after every load.
// Portable: no platform header, so the host tests can prove the corrections.
#pragma once

#include <stdint.h>

#include "common/wheel_button_modes.h"

// The seven registry values in the order the registry reader queries them. Every field is read
// straight from a 4-byte REG_DWORD, so each is exactly 32 bits wide.
struct WheelSettings {
    uint32_t ScrollMode;     // 0 lines, 1 one page per notch
    uint32_t ScrollLine;     // lines per notch in line mode
    uint32_t ScrollReverse;  // non-zero reverses the direction
    uint32_t WheelButton;    // KB_WHEEL_BUTTON_ZOOM, _AUTO_SCROLL or _FUNCTION
    uint32_t ZoomSize;       // side of the zoom window in pixels
    uint32_t ZoomFactor;     // magnification of the zoom window
    uint32_t Function;       // row of the wheel-button function table
};

static_assert(sizeof(WheelSettings) == 28, "seven 32-bit values");

// The platform's notch is 120 units; a line is a third of it.
constexpr uint32_t kWheelUnitsPerLine = 40;
// The largest upward delta a wheel message can carry.
constexpr uint32_t kMaxWheelDelta = 0x7FFF;

// The most lines one notch moves, however large the stored "Scroll Line": as many as the
// largest wheel delta carries. Both hooks hold to it, so that a huge value neither fills a
// window's queue with scroll messages from inside the low-level hook nor keeps an application
// pressing arrow keys for hours.
constexpr uint32_t kMaxLinesPerNotch = kMaxWheelDelta / kWheelUnitsPerLine;

// Makes a freshly loaded copy usable: at least one line per notch, exactly one in page mode,
// and a magnification of at least 1. The registry itself keeps what the user wrote.
void CorrectWheelSettings(WheelSettings& settings);

// A divisor that is never zero: the zoom factor as the geometry may divide by it, whatever
// the shared state holds (its initial value, before the first load, is 0).
uint32_t UsableZoomFactor(const WheelSettings& settings);

// The lines one notch moves in line mode: "Scroll Line", at most kMaxLinesPerNotch.
uint32_t LinesPerNotch(const WheelSettings& settings);
