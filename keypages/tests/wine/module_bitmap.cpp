#include "keypages/tests/wine/module_bitmap.h"

namespace kp_test {

capture::Pixels BitmapPixels(HMODULE module, int resource) {
    capture::Pixels pixels;
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(module, MAKEINTRESOURCEA(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr) return pixels;
    BITMAP size = {};
    GetObjectA(bitmap, sizeof size, &size);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.bmWidth;
    info.bmiHeader.biHeight = -size.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    pixels.width = size.bmWidth;
    pixels.height = size.bmHeight;
    pixels.rgb.resize(static_cast<size_t>(size.bmWidth) * size.bmHeight);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, size.bmHeight, pixels.rgb.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    for (uint32_t& p : pixels.rgb) p &= 0x00FFFFFF;
    return pixels;
}

}  // namespace kp_test
