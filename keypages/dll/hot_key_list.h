// Drawing one item of the owner-drawn hot-key list: its face, the two 3-D frames when it is
// selected, its 20-pixel bitmap, its text and its focus rectangle.
#pragma once

#include <windows.h>

namespace keypages {

void DrawHotKeyItem(const DRAWITEMSTRUCT& item, HBITMAP bitmap, const char* text);

}  // namespace keypages
