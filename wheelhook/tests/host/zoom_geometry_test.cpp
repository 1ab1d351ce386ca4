#include "wheelhook/logic/zoom_geometry.h"

#include <gtest/gtest.h>

namespace {

WheelSettings Zoom(uint32_t size, uint32_t factor) { return {0, 1, 0, 0, size, factor, 0}; }

void ExpectRect(const ZoomRect& r, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    EXPECT_EQ(r.Left, left);
    EXPECT_EQ(r.Top, top);
    EXPECT_EQ(r.Right, right);
    EXPECT_EQ(r.Bottom, bottom);
}

TEST(ZoomGeometry, WindowCentredOnThePointerShowsTheMagnifiedSquare) {
    const WheelSettings settings = Zoom(96, 2);
    const ZoomPlacement p = PlaceZoom(settings, 500, 400);
    ExpectRect(p.Window, 452, 352, 548, 448);
    ExpectRect(p.Source, 476, 376, 524, 424);
    EXPECT_EQ(ZoomWindowSide(settings), 96);
    EXPECT_EQ(ZoomPaintSourceSide(settings), 48);
}

TEST(ZoomGeometry, FactorOneShowsTheScreenUnderTheWindow) {
    const ZoomPlacement p = PlaceZoom(Zoom(100, 1), 300, 200);
    ExpectRect(p.Source, 250, 150, 350, 250);
    ExpectRect(p.Window, 250, 150, 350, 250);
    EXPECT_EQ(ZoomPaintSourceSide(Zoom(100, 1)), 100);
}

TEST(ZoomGeometry, ZeroFactorIsNeverADivisor) {
    const ZoomPlacement p = PlaceZoom(Zoom(96, 0), 500, 400);
    ExpectRect(p.Source, 452, 352, 548, 448);
    EXPECT_EQ(ZoomPaintSourceSide(Zoom(96, 0)), 96);
}

TEST(ZoomGeometry, ZeroSizeHasNoArea) {
    const ZoomPlacement p = PlaceZoom(Zoom(0, 2), 10, 20);
    ExpectRect(p.Window, 10, 20, 10, 20);
    EXPECT_EQ(ZoomWindowSide(Zoom(0, 2)), 0);
    EXPECT_EQ(ZoomPaintSourceSide(Zoom(0, 2)), 0);
}

TEST(ZoomGeometry, SourceNearTheLeftAndTopEdgesStaysInsideTheSnapshot) {
    struct Case {
        int32_t x, y;
        int32_t left, top, right, bottom;
    };
    const Case cases[] = {
        {10, 400, 0, 376, 48, 424},   // left edge
        {500, 5, 476, 0, 524, 48},    // top edge
        {0, 0, 0, 0, 48, 48},         // corner
        {-30, -30, 0, 0, 48, 48},     // pointer beyond a monitor to the left
        {24, 24, 0, 0, 48, 48},       // exactly touching
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        const ZoomPlacement p = PlaceZoom(Zoom(96, 2), c.x, c.y);
        ExpectRect(p.Source, c.left, c.top, c.right, c.bottom);
        EXPECT_EQ(p.Window.Left, c.x - 48) << "the window itself still centres on the pointer";
    }
}

TEST(ZoomGeometry, SnapshotIsLargerThanTheScreenByTheZoomSize) {
    const SnapshotSize s = ZoomSnapshotSize(Zoom(96, 2), 1024, 768);
    EXPECT_EQ(s.Width, 1120);
    EXPECT_EQ(s.Height, 864);
}

TEST(ZoomGeometry, HugeSizeSaturatesInsteadOfWrapping) {
    const WheelSettings huge = Zoom(0xFFFFFFFF, 1);
    const ZoomPlacement p = PlaceZoom(huge, 100, 100);
    EXPECT_LT(p.Window.Left, 0);
    EXPECT_GT(p.Window.Right, 0);
    EXPECT_EQ(ZoomWindowSide(huge), INT32_MAX);
    EXPECT_EQ(ZoomSnapshotSize(huge, 1024, 768).Width, INT32_MAX);
}

}  // namespace
