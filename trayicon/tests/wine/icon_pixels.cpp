#include "trayicon/tests/wine/icon_pixels.h"

namespace tray_test {
namespace {

std::vector<DWORD> BitmapPixels(HBITMAP bitmap, int& width, int& height) {
    BITMAP info = {};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) return {};
    width = info.bmWidth;
    height = info.bmHeight;
    BITMAPINFO request = {};
    request.bmiHeader.biSize = sizeof request.bmiHeader;
    request.bmiHeader.biWidth = width;
    request.bmiHeader.biHeight = -height;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    HDC dc = GetDC(nullptr);
    int rows = GetDIBits(dc, bitmap, 0, height, pixels.data(), &request, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (rows != height) pixels.clear();
    return pixels;
}

}  // namespace

IconPicture PictureOf(HICON icon) {
    IconPicture picture;
    ICONINFO info = {};
    if (icon == nullptr || !GetIconInfo(icon, &info)) return picture;
    int mask_width = 0, mask_height = 0;
    picture.colour = BitmapPixels(info.hbmColor, picture.width, picture.height);
    picture.mask = BitmapPixels(info.hbmMask, mask_width, mask_height);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return picture;
}

IconCatalog::IconCatalog(HMODULE module, const std::vector<unsigned>& resources) {
    for (unsigned resource : resources) {
        HICON icon = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(resource), IMAGE_ICON, 16, 16, 0));
        entries_.emplace_back(resource, PictureOf(icon));
        if (icon) DestroyIcon(icon);
    }
}

int IconCatalog::ResourceOf(HICON icon) const {
    if (icon == nullptr) return 0;
    IconPicture picture = PictureOf(icon);
    for (const auto& entry : entries_) {
        if (!entry.second.colour.empty() && entry.second == picture) return static_cast<int>(entry.first);
    }
    return -1;
}

}  // namespace tray_test
