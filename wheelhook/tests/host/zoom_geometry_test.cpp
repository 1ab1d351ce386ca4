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
    ExpectRect(p.window, 452, 352, 548, 448);
    ExpectRect(p.source, 476, 376, 524, 424);
    EXPECT_EQ(ZoomWindowSide(settings), 96);
    EXPECT_EQ(ZoomPaintSourceSide(settings), 48);
}

TEST(ZoomGeometry, FactorOneShowsTheScreenUnderTheWindow) {
    const ZoomPlacement p = PlaceZoom(Zoom(100, 1), 300, 200);
    ExpectRect(p.source, 250, 150, 350, 250);
    ExpectRect(p.window, 250, 150, 350, 250);
    EXPECT_EQ(ZoomPaintSourceSide(Zoom(100, 1)), 100);
}

TEST(ZoomGeometry, ZeroFactorIsNeverADivisor) {
    const ZoomPlacement p = PlaceZoom(Zoom(96, 0), 500, 400);
    ExpectRect(p.source, 452, 352, 548, 448);
    EXPECT_EQ(ZoomPaintSourceSide(Zoom(96, 0)), 96);
}

TEST(ZoomGeometry, ZeroSizeHasNoArea) {
    const ZoomPlacement p = PlaceZoom(Zoom(0, 2), 10, 20);
    ExpectRect(p.window, 10, 20, 10, 20);
    EXPECT_EQ(ZoomWindowSide(Zoom(0, 2)), 0);
    EXPECT_EQ(ZoomPaintSourceSide(Zoom(0, 2)), 0);
}

TEST(ZoomGeometry, SquareNearTheLeftAndTopEdgesStaysCentredOnThePointer) {
    const ZoomPlacement p = PlaceZoom(Zoom(96, 2), 5, 10);
    ExpectRect(p.window, -43, -38, 53, 58);
    ExpectRect(p.source, -19, -14, 29, 34);
}

void ExpectBlit(const ZoomBlit& b, int32_t dx, int32_t dy, int32_t dw, int32_t dh, int32_t sx,
                int32_t sy, int32_t sw, int32_t sh) {
    ASSERT_TRUE(b.any);
    EXPECT_EQ(b.dest_x, dx);
    EXPECT_EQ(b.dest_y, dy);
    EXPECT_EQ(b.dest_width, dw);
    EXPECT_EQ(b.dest_height, dh);
    EXPECT_EQ(b.source_x, sx);
    EXPECT_EQ(b.source_y, sy);
    EXPECT_EQ(b.source_width, sw);
    EXPECT_EQ(b.source_height, sh);
}

TEST(ZoomBlit, SquareInsideTheSnapshotFillsTheClientArea) {
    ExpectBlit(PlanZoomBlit(476, 376, 48, 94, 94), 0, 0, 94, 94, 476, 376, 48, 48);
    ExpectBlit(PlanZoomBlit(0, 0, 48, 96, 96), 0, 0, 96, 96, 0, 0, 48, 48);
}

TEST(ZoomBlit, PartOutsideTheSnapshotIsLeftOutAndTheRestStaysAligned) {
    // 12 of 48 source pixels lie left of the picture: the first quarter of the window.
    ExpectBlit(PlanZoomBlit(-12, 376, 48, 96, 96), 24, 0, 72, 96, 0, 376, 36, 48);
    ExpectBlit(PlanZoomBlit(100, -24, 48, 96, 96), 0, 48, 96, 48, 100, 0, 48, 24);
    ExpectBlit(PlanZoomBlit(-19, -14, 48, 94, 94), 37, 27, 57, 67, 0, 0, 29, 34);
}

TEST(ZoomBlit, NothingToCopy) {
    EXPECT_FALSE(PlanZoomBlit(-48, 0, 48, 96, 96).any) << "square wholly outside";
    EXPECT_FALSE(PlanZoomBlit(-500, -500, 48, 96, 96).any);
    EXPECT_FALSE(PlanZoomBlit(10, 10, 0, 96, 96).any) << "zoom size 0";
    EXPECT_FALSE(PlanZoomBlit(10, 10, 48, 0, 0).any) << "no client area";
}

TEST(ZoomGeometry, SnapshotIsLargerThanTheScreenByTheZoomSize) {
    const SnapshotSize s = ZoomSnapshotSize(Zoom(96, 2), 1024, 768);
    EXPECT_EQ(s.width, 1120);
    EXPECT_EQ(s.height, 864);
}

TEST(ZoomGeometry, HugeSizeSaturatesInsteadOfWrapping) {
    const WheelSettings huge = Zoom(0xFFFFFFFF, 1);
    const ZoomPlacement p = PlaceZoom(huge, 100, 100);
    EXPECT_LT(p.window.Left, 0);
    EXPECT_GT(p.window.Right, 0);
    EXPECT_EQ(ZoomWindowSide(huge), INT32_MAX);
    EXPECT_EQ(ZoomSnapshotSize(huge, 1024, 768).width, INT32_MAX);
}

}  // namespace
