#include "keypages/dll/hot_key_list.h"

#include "keypages/dll/gdi_objects.h"
#include "keypages/logic/list_item_layout.h"

namespace keypages {
namespace {

RECT RectOf(const Box& box) {
    return {box.left, box.top, box.right, box.bottom};
}

void FillBox(HDC dc, const Box& box, COLORREF colour) {
    const RECT rect = RectOf(box);
    const COLORREF previous = SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

void DrawFrame(HDC dc, const Box& frame, COLORREF top_left, COLORREF bottom_right) {
    const FrameEdges edges = EdgesOf(frame);
    FillBox(dc, edges.top, top_left);
    FillBox(dc, edges.left, top_left);
    FillBox(dc, edges.right, bottom_right);
    FillBox(dc, edges.bottom, bottom_right);
}

}  // namespace

void DrawHotKeyItem(const DRAWITEMSTRUCT& item, HBITMAP bitmap, const char* text) {
    HDC dc = item.hDC;
    const ItemLayout layout = LayoutItem({item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom});
    {
        SolidBrush face(GetSysColor(COLOR_BTNFACE));
        Selection brush(dc, face.get());
        const RECT& r = item.rcItem;
        PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, PATCOPY);
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    if (selected) DrawFrame(dc, layout.outer_frame, RGB(0x60, 0x60, 0x60), RGB(0xFF, 0xFF, 0xFF));
    if (selected) DrawFrame(dc, layout.inner_frame, RGB(0x40, 0x40, 0x40), RGB(0xE0, 0xE0, 0xE0));
    {
        MemoryDc memory(dc);
        Selection picture(memory.get(), bitmap);
        BitBlt(dc, layout.bitmap_x, layout.bitmap_y, kItemBitmapSize, kItemBitmapSize, memory.get(), 0, 0, SRCAND);
    }
    SetBkMode(dc, TRANSPARENT);
    RECT measured = RectOf(layout.inner_frame);
    measured.left = layout.text_left;
    DrawTextA(dc, text, -1, &measured, DT_CALCRECT);
    const Box text_box = TextBox(layout, measured.right - measured.left, measured.bottom - measured.top);
    RECT text_rect = RectOf(text_box);
    DrawTextA(dc, text, -1, &text_rect, 0);
    if (item.itemState & ODS_FOCUS) {
        const RECT focus = RectOf(FocusBox(text_box));
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace keypages
