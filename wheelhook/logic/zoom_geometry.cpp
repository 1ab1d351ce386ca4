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

// One axis of the blit: the source span [start, start + side) cut at 0, and the matching span
// of the destination [0, client).
struct Span {
    int32_t dest, dest_length, source, source_length;
};

Span CutAtZero(int32_t start, int32_t side, int32_t client) {
    if (start >= 0) return {0, client, start, side};
    const int64_t outside = -int64_t{start};
    if (outside >= side) return {0, 0, 0, 0};
    const auto dest = static_cast<int32_t>(outside * client / side);
    return {dest, client - dest, 0, static_cast<int32_t>(side - outside)};
}

}  // namespace

ZoomPlacement PlaceZoom(const WheelSettings& settings, int32_t x, int32_t y) {
    const uint32_t half = settings.ZoomSize / 2;
    const uint32_t reach = half / UsableZoomFactor(settings);
    return {SquareAround(x, y, half), SquareAround(x, y, reach)};
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

ZoomBlit PlanZoomBlit(int32_t source_left, int32_t source_top, int32_t side, int32_t client_width,
                      int32_t client_height) {
    if (side <= 0 || client_width <= 0 || client_height <= 0) return {};
    const Span x = CutAtZero(source_left, side, client_width);
    const Span y = CutAtZero(source_top, side, client_height);
    const bool any = x.source_length > 0 && y.source_length > 0 && x.dest_length > 0 &&
                     y.dest_length > 0;
    return {any, x.dest, y.dest, x.dest_length, y.dest_length,
            x.source, y.source, x.source_length, y.source_length};
}
