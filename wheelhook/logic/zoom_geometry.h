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
    ZoomRect window;  // centred on the pointer, "Zoom Size" on each side
    ZoomRect source;  // the square of the snapshot shown in it
};

// The placement for the pointer at (x, y).
ZoomPlacement PlaceZoom(const WheelSettings& settings, int32_t x, int32_t y);

// Side of the zoom window: "Zoom Size", as a screen coordinate can hold it.
int32_t ZoomWindowSide(const WheelSettings& settings);

// Side of the snapshot square that painting stretches onto the window.
int32_t ZoomPaintSourceSide(const WheelSettings& settings);

// What painting copies: the part of the source square (origin, side) that lies inside the
// snapshot, and where that part lands in a client area of the given size. Near the left and
// top edges the square starts outside the picture; that part of the window keeps its
// background instead of showing undefined pixels, and the rest stays aligned with the pointer.
struct ZoomBlit {
    bool any;  // false when nothing of the square lies inside the snapshot
    int32_t dest_x, dest_y, dest_width, dest_height;
    int32_t source_x, source_y, source_width, source_height;
};
ZoomBlit PlanZoomBlit(int32_t source_left, int32_t source_top, int32_t side, int32_t client_width,
                      int32_t client_height);

// The snapshot is larger than the screen by "Zoom Size" in both directions, so that a source
// square near the right or bottom edge stays inside it.
struct SnapshotSize {
    int32_t width;
    int32_t height;
};
SnapshotSize ZoomSnapshotSize(const WheelSettings& settings, int32_t screen_width,
                              int32_t screen_height);
