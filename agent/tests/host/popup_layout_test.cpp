#include "agent/logic/popup_layout.h"

#include <gtest/gtest.h>

namespace {

// The client area of the 200 x 32 popup inside its one-pixel border.
constexpr PopupRect kClient{0, 0, 198, 30};

}  // namespace

TEST(PopupLayout, PlaceAndPicture) {
    const PopupPoint place = PopupPlace(742);
    EXPECT_EQ(place.x, 8);
    EXPECT_EQ(place.y, 662);
    const PopupRect picture = PopupPictureRect();
    EXPECT_EQ(picture.left, 2);
    EXPECT_EQ(picture.bottom, 26);
    EXPECT_EQ(PopupPictureSourceRect(3).left, 72);
    EXPECT_EQ(PopupTextArea(kClient).left, 28);
}

TEST(PopupLayout, FullLevelFillsTheBarExactly) {
    PopupRect segments[kVolumeBarSegmentCount];
    ASSERT_EQ(VolumeBarSegments(kClient, 0xFFFF, segments), 32);
    const PopupRect bar = VolumeBarRect(kClient);
    EXPECT_EQ(bar.left, 28);
    EXPECT_EQ(bar.right, 195);
    EXPECT_EQ(segments[0].left, bar.left);
    EXPECT_EQ(segments[31].right, bar.right);
    for (int i = 1; i < 32; ++i) EXPECT_EQ(segments[i].left, segments[i - 1].right) << i;
    EXPECT_EQ(segments[5].top, 12);
    EXPECT_EQ(segments[5].bottom, 20);
}

TEST(PopupLayout, SegmentCountsAtTheThresholds) {
    PopupRect segments[kVolumeBarSegmentCount];
    EXPECT_EQ(VolumeBarSegments(kClient, 0, segments), 0);
    EXPECT_EQ(VolumeBarSegments(kClient, 2046, segments), 0);
    EXPECT_EQ(VolumeBarSegments(kClient, 2047, segments), 1);
    EXPECT_EQ(VolumeBarSegments(kClient, 0xFFFFFFFFu, segments), 32);
}
