// Where the text and focus rectangle of an owner-drawn hot-key list item go; the frames and the
// bitmap are checked from the list's pixels under Wine.
#include "keypages/logic/list_item_layout.h"

#include <gtest/gtest.h>

namespace {

using keypages::Box;

void ExpectBox(const Box& box, int left, int top, int right, int bottom) {
    EXPECT_EQ(box.left, left);
    EXPECT_EQ(box.top, top);
    EXPECT_EQ(box.right, right);
    EXPECT_EQ(box.bottom, bottom);
}

TEST(ListItemLayout, TheThirdItemPutsBitmapTextAndFocusInsideItsFrames) {
    const keypages::ItemLayout layout = keypages::LayoutItem({0, 48, 120, 72});
    ExpectBox(layout.inner_frame, 1, 49, 119, 71);
    EXPECT_EQ(layout.bitmap_x, 1);
    EXPECT_EQ(layout.bitmap_y, 50);
    EXPECT_EQ(layout.text_left, 30);
    const Box text = keypages::TextBox(layout, 40, 13);
    ExpectBox(text, 30, 54, 70, 67);
    ExpectBox(keypages::FocusBox(text), 28, 52, 72, 69);
}

}  // namespace
