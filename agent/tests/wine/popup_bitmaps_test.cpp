// The popup's strips as the resource script builds them, loaded the way the popup loads them.
#include <windows.h>

#include <gtest/gtest.h>

#include "agent/logic/popup_content.h"

namespace {

struct Strip {
    OsdGroup group;
    int width;
};

// Every picture of a strip is drawn: each 24 x 24 square holds pixels other than the
// background of its top left corner.
bool EveryPictureDrawn(HBITMAP bitmap, int count) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    bool drawn = true;
    for (int i = 0; i < count && drawn; ++i) {
        const COLORREF background = GetPixel(dc, 0, 0);
        bool other = false;
        for (int y = 0; y < kPopupPictureSize && !other; ++y)
            for (int x = 0; x < kPopupPictureSize && !other; ++x)
                other = GetPixel(dc, kPopupPictureSize * i + x, y) != background;
        drawn = other;
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return drawn;
}

TEST(PopupBitmaps, FourStripsOfTheirSizesWithEveryPictureDrawn) {
    const Strip strips[] = {{OsdGroup::Program, 120}, {OsdGroup::Web, 144}, {OsdGroup::Media, 168},
                            {OsdGroup::Office, 96}};
    for (const Strip& strip : strips) {
        const int id = PopupBitmapId(strip.group);
        HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
        ASSERT_NE(bitmap, nullptr) << id;
        BITMAP info{};
        ASSERT_NE(GetObjectA(bitmap, sizeof info, &info), 0) << id;
        EXPECT_EQ(info.bmWidth, strip.width) << id;
        EXPECT_EQ(info.bmHeight, kPopupPictureSize) << id;
        EXPECT_GE(strip.width / kPopupPictureSize, PopupEntryCount(strip.group)) << id;
        EXPECT_TRUE(EveryPictureDrawn(bitmap, strip.width / kPopupPictureSize)) << id;
        DeleteObject(bitmap);
    }
}

}  // namespace
