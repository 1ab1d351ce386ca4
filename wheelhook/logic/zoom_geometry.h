// Where the zoom window goes and which part of the screen snapshot it magnifies.
#pragma once

#include <stdint.h>

#include "wheelhook/logic/wheel_settings.h"

struct ZoomRect {
    int32_t Left;
    int32_t Top;
    int32_t Right;
    int32_t Bottom;
};

struct ZoomPlacement {
    ZoomRect Window;  // centred on the pointer, "Zoom Size" on each side
    ZoomRect Source;  // the square of the snapshot shown in it
};

// The placement for the pointer at (x, y). The source square is kept inside the snapshot: near
// the left and top edges it stops at the screen's edge instead of reaching outside the
// picture, so the window then shows the corner of the screen rather than undefined pixels.
ZoomPlacement PlaceZoom(const WheelSettings& settings, int32_t x, int32_t y);

// Side of the zoom window: "Zoom Size", as a screen coordinate can hold it.
int32_t ZoomWindowSide(const WheelSettings& settings);

// Side of the snapshot square that painting stretches onto the window.
int32_t ZoomPaintSourceSide(const WheelSettings& settings);

// The snapshot is larger than the screen by "Zoom Size" in both directions, so that a source
// square near the right or bottom edge stays inside it.
struct SnapshotSize {
    int32_t Width;
    int32_t Height;
};
SnapshotSize ZoomSnapshotSize(const WheelSettings& settings, int32_t screen_width,
                              int32_t screen_height);
