#include "wheelhook/logic/zoom_geometry.h"

namespace {

// Screen coordinates are 32-bit; a huge "Zoom Size" must not overflow them.
int32_t Clamp32(int64_t value) {
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

ZoomRect SquareAround(int32_t x, int32_t y, int64_t half) {
    return {Clamp32(x - half), Clamp32(y - half), Clamp32(x + half), Clamp32(y + half)};
}

}  // namespace

ZoomPlacement PlaceZoom(const WheelSettings& settings, int32_t x, int32_t y) {
    const uint32_t half = settings.ZoomSize / 2;
    const uint32_t reach = half / UsableZoomFactor(settings);
    ZoomPlacement placement = {SquareAround(x, y, half), SquareAround(x, y, reach)};
    ZoomRect& source = placement.Source;
    if (source.Left < 0) {
        source.Right = Clamp32(int64_t{source.Right} - source.Left);
        source.Left = 0;
    }
    if (source.Top < 0) {
        source.Bottom = Clamp32(int64_t{source.Bottom} - source.Top);
        source.Top = 0;
    }
    return placement;
}

int32_t ZoomWindowSide(const WheelSettings& settings) { return Clamp32(settings.ZoomSize); }

int32_t ZoomPaintSourceSide(const WheelSettings& settings) {
    return Clamp32(settings.ZoomSize / UsableZoomFactor(settings));
}

SnapshotSize ZoomSnapshotSize(const WheelSettings& settings, int32_t screen_width,
                              int32_t screen_height) {
    return {Clamp32(int64_t{screen_width} + settings.ZoomSize),
            Clamp32(int64_t{screen_height} + settings.ZoomSize)};
}
