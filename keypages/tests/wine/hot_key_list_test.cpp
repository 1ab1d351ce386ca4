// The owner-drawn hot-key list, checked from a capture of its pixels: five items of 24 pixels,
// the selected one in two 3-D frames, each with its 20-pixel bitmap laid on the face.
#include <string>

#include <gtest/gtest.h>

#include "tools/fixtures/sheets/module_bitmap.h"
#include "keypages/tests/wine/page_controls.h"
#include "tools/fixtures/sheets/page_input.h"
#include "keypages/tests/wine/pages_fixture.h"
#include "tools/capture/window_capture.h"

namespace kp_test {
namespace {

constexpr int kItemBitmapFirst = 303;

using HotKeyList = KeyboardPages;

// The frames of the item at `top` when it is selected, or the face where they would be.
void ExpectFrames(const capture::Pixels& shot, int top, bool selected, uint32_t face) {
    const int right = shot.width - 1;
    const int bottom = top + 23;
    struct Point {
        int x, y;
        uint32_t colour;
        const char* where;
    };
    const Point points[] = {
        {40, top, 0x606060, "outer top"},          {0, top + 12, 0x606060, "outer left"},
        {right, top + 12, 0xFFFFFF, "outer right"}, {40, bottom, 0xFFFFFF, "outer bottom"},
        {right, top, 0xFFFFFF, "outer top right"},  {0, bottom, 0xFFFFFF, "outer bottom left"},
        {40, top + 1, 0x404040, "inner top"},       {right - 1, top + 12, 0xE0E0E0, "inner right"},
        {40, bottom - 1, 0xE0E0E0, "inner bottom"}, {right - 1, top + 1, 0xE0E0E0, "inner top right"},
    };
    for (const Point& p : points) {
        EXPECT_EQ(shot.At(p.x, p.y), selected ? p.colour : face)
            << p.where << " of the item at " << top << (selected ? ", selected" : "");
    }
}

// The item's bitmap, copied with SRCAND at x 1 and 2 pixels below the item's top onto the face.
void ExpectBitmap(const capture::Pixels& shot, int top, const capture::Pixels& bitmap, uint32_t face) {
    ASSERT_EQ(bitmap.width, 20);
    ASSERT_EQ(bitmap.height, 20);
    int wrong = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) wrong += shot.At(1 + x, top + 2 + y) != (bitmap.At(x, y) & face);
    }
    EXPECT_EQ(wrong, 0) << "pixels of the bitmap of the item at " << top;
}

// Some ink of the item's text, 30 pixels in from the left.
bool HasText(const capture::Pixels& shot, int top, uint32_t face) {
    for (int y = top + 2; y < top + 22; ++y) {
        for (int x = 30; x < shot.width - 2; ++x) {
            if (shot.At(x, y) != face) return true;
        }
    }
    return false;
}

TEST_F(HotKeyList, FiveItemsOf24PixelsTheSelectedOneFramedEachWithItsBitmap) {
    OpenSheet();
    HWND page = sheet().Page(kHotKeysPage);
    HWND list = GetDlgItem(page, kHotKeyList);
    RECT client;
    GetClientRect(list, &client);
    EXPECT_EQ(client.bottom, 120);
    RECT item;
    SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.top, 24);
    EXPECT_EQ(item.bottom, 48);

    const uint32_t face = capture::Rgb(GetSysColor(COLOR_BTNFACE));
    capture::Pixels shot = capture::CaptureClient(list);
    ASSERT_EQ(shot.height, 120);
    for (int k = 0; k < 5; ++k) {
        ExpectFrames(shot, 24 * k, k == 0, face);
        // The selected item's inner frame runs through the bitmap's first column.
        if (k > 0) ExpectBitmap(shot, 24 * k, BitmapPixels(dll_.module(), kItemBitmapFirst + k), face);
        EXPECT_TRUE(HasText(shot, 24 * k, face)) << "item " << k;
    }

    PickListItem(page, kHotKeyList, 2);
    shot = capture::CaptureClient(list);
    ExpectFrames(shot, 0, false, face);
    ExpectFrames(shot, 48, true, face);
    ExpectBitmap(shot, 0, BitmapPixels(dll_.module(), kItemBitmapFirst), face);
}

}  // namespace
}  // namespace kp_test
