// Where the owner-drawn hot-key list puts each part of an item: the two 3-D frames of the
// selected item, the 20-pixel bitmap, the text and its focus rectangle. Pixels, list client
// coordinates.
#pragma once

namespace keypages {

constexpr int kItemHeight = 24;
constexpr int kItemBitmapSize = 20;

struct Box {
    int left, top, right, bottom;
};

// A 3-D frame's four one-pixel edges, drawn in this order: the top and left edges in the
// frame's top-left colour, then the right and bottom edges in its bottom-right colour, which
// thus own the top-right and bottom-left corners.
struct FrameEdges {
    Box top, left, right, bottom;
};
FrameEdges EdgesOf(const Box& frame);

struct ItemLayout {
    Box outer_frame;  // the item's rectangle
    Box inner_frame;  // one pixel inside it
    int bitmap_x, bitmap_y;
    int text_left;
};
ItemLayout LayoutItem(const Box& item);

// The text's rectangle, from its measured size: vertically centred in a 24-pixel item.
Box TextBox(const ItemLayout& layout, int text_width, int text_height);

// The focus rectangle around the text.
Box FocusBox(const Box& text);

}  // namespace keypages
