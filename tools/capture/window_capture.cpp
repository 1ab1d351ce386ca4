#include "tools/capture/window_capture.h"

#include "tools/capture/png_encode.h"

#include <cstdio>

namespace capture {
namespace {

// The form of Pixels: 32 bits a pixel, top-down.
BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

void DropAlpha(Pixels& pixels) {
    for (uint32_t& p : pixels.rgb) p &= 0x00FFFFFF;
}

// Copies a rectangle of a device context into top-down 32-bit pixels.
Pixels CopyFrom(HDC source, int x, int y, int width, int height) {
    Pixels pixels;
    if (width <= 0 || height <= 0) return pixels;
    BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP section = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memory != nullptr && section != nullptr) {
        HGDIOBJ previous = SelectObject(memory, section);
        BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
        GdiFlush();
        const auto* words = static_cast<const uint32_t*>(bits);
        pixels.width = width;
        pixels.height = height;
        pixels.rgb.assign(words, words + static_cast<size_t>(width) * height);
        DropAlpha(pixels);
        SelectObject(memory, previous);
    }
    if (section != nullptr) DeleteObject(section);
    if (memory != nullptr) DeleteDC(memory);
    return pixels;
}

void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void MakeFoldersAbove(const std::string& path) {
    for (size_t at = path.find_first_of("\\/", 3); at != std::string::npos; at = path.find_first_of("\\/", at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
}

}  // namespace

Pixels CaptureWindow(HWND window) {
    Repaint(window);
    RECT bounds;
    GetWindowRect(window, &bounds);
    HDC dc = GetWindowDC(window);
    Pixels pixels = CopyFrom(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    ReleaseDC(window, dc);
    return pixels;
}

Pixels CaptureClient(HWND window) {
    Repaint(window);
    RECT client;
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    Pixels pixels = CopyFrom(dc, 0, 0, client.right, client.bottom);
    ReleaseDC(window, dc);
    return pixels;
}

Pixels CaptureClientSettled(HWND window, const std::function<void()>& between, int attempts) {
    Pixels shot = CaptureClient(window);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        between();
        Pixels again = CaptureClient(window);
        if (again.rgb == shot.rgb) return again;
        shot = again;
    }
    return shot;
}

Pixels CaptureScreen() {
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    HDC screen = GetDC(nullptr);
    Pixels pixels = CopyFrom(screen, x, y, GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    ReleaseDC(nullptr, screen);
    return pixels;
}

Pixels PixelsOf(HBITMAP bitmap) {
    Pixels pixels;
    BITMAP size = {};
    if (GetObjectA(bitmap, sizeof size, &size) == 0) return pixels;
    BITMAPINFO info = TopDown32(size.bmWidth, size.bmHeight);
    pixels.rgb.resize(static_cast<size_t>(size.bmWidth) * size.bmHeight);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, size.bmHeight, pixels.rgb.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != size.bmHeight) return Pixels();
    pixels.width = size.bmWidth;
    pixels.height = size.bmHeight;
    DropAlpha(pixels);
    return pixels;
}

bool WritePng(const Pixels& pixels, const std::string& path, std::string& error) {
    const std::string file = EncodePng(pixels.width, pixels.height, pixels.rgb);
    if (file.empty()) {
        error = "no pixels to write";
        return false;
    }
    MakeFoldersAbove(path);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        error = "can't create " + path;
        return false;
    }
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    const bool closed = std::fclose(out) == 0;
    if (!written || !closed) error = "can't write " + path;
    return written && closed;
}

}  // namespace capture
