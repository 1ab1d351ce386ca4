#include "keypages/tests/wine/module_bitmap.h"

namespace kp_test {

capture::Pixels BitmapPixels(HMODULE module, int resource) {
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(module, MAKEINTRESOURCEA(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr) return capture::Pixels();
    capture::Pixels pixels = capture::PixelsOf(bitmap);
    DeleteObject(bitmap);
    return pixels;
}

}  // namespace kp_test
