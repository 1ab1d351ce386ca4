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

void DrawFrame(HDC dc, const Box& frame, COLORREF topLeft, COLORREF bottomRight) {
    const FrameEdges edges = EdgesOf(frame);
    FillBox(dc, edges.top, topLeft);
    FillBox(dc, edges.left, topLeft);
    FillBox(dc, edges.right, bottomRight);
    FillBox(dc, edges.bottom, bottomRight);
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
    if (selected) DrawFrame(dc, layout.outerFrame, RGB(0x60, 0x60, 0x60), RGB(0xFF, 0xFF, 0xFF));
    if (selected) DrawFrame(dc, layout.innerFrame, RGB(0x40, 0x40, 0x40), RGB(0xE0, 0xE0, 0xE0));
    {
        MemoryDc memory(dc);
        Selection picture(memory.get(), bitmap);
        BitBlt(dc, layout.bitmapX, layout.bitmapY, kItemBitmapSize, kItemBitmapSize, memory.get(), 0, 0, SRCAND);
    }
    SetBkMode(dc, TRANSPARENT);
    RECT measured = RectOf(layout.innerFrame);
    measured.left = layout.textLeft;
    DrawTextA(dc, text, -1, &measured, DT_CALCRECT);
    const Box textBox = TextBox(layout, measured.right - measured.left, measured.bottom - measured.top);
    RECT textRect = RectOf(textBox);
    DrawTextA(dc, text, -1, &textRect, 0);
    if (item.itemState & ODS_FOCUS) {
        const RECT focus = RectOf(FocusBox(textBox));
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace keypages
