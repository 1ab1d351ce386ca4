#include "keypages/logic/list_item_layout.h"

namespace keypages {

FrameEdges EdgesOf(const Box& f) {
    return {
        {f.left, f.top, f.right - 1, f.top + 1},
        {f.left, f.top, f.left + 1, f.bottom - 1},
        {f.right - 1, f.top, f.right, f.bottom},
        {f.left, f.bottom - 1, f.right, f.bottom},
    };
}

ItemLayout LayoutItem(const Box& item) {
    const Box inner = {item.left + 1, item.top + 1, item.right - 1, item.bottom - 1};
    const int margin = (inner.bottom - inner.top - kItemBitmapSize) / 2;
    return {item, inner, margin, inner.top + margin, inner.left + margin + 28};
}

Box TextBox(const ItemLayout& layout, int text_width, int text_height) {
    const int top = layout.inner_frame.top + (kItemHeight - text_height) / 2;
    return {layout.text_left, top, layout.text_left + text_width, top + text_height};
}

Box FocusBox(const Box& text) {
    return {text.left - 2, text.top - 2, text.right + 2, text.bottom + 2};
}

}  // namespace keypages
