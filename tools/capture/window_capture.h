// Screenshots of windows under Wine (or Windows): the pixels of a window as it is drawn, and a
// PNG file of them. For tests that look at what a window shows, and for the pictures the
// project shows of itself.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace capture {

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> rgb;  // 0x00RRGGBB, rows top-down

    uint32_t At(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
    // The same pixel as a COLORREF, to compare with RGB() and GetSysColor values.
    COLORREF ColourAt(int x, int y) const {
        const uint32_t pixel = At(x, y);
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// The window with its frame and everything drawn in it, from its own device context, after a
// repaint. The window must be visible.
Pixels CaptureWindow(HWND window);

// The window's client area, from the window's own device context.
Pixels CaptureClient(HWND window);

// The client area once two captures in a row agree: a capture makes the window repaint, and on
// a loaded machine one may catch it between its erase and its paint. `between` runs before each
// capture after the first (a wait, or a message pump); at most `attempts` captures after it.
Pixels CaptureClientSettled(HWND window, const std::function<void()>& between, int attempts = 10);

// The whole virtual screen as the display shows it (all windows, the desktop and its taskbar),
// from the screen's device context.
Pixels CaptureScreen();

// The pixels of a bitmap; none when it can't be read.
Pixels PixelsOf(HBITMAP bitmap);

// Writes the pixels as a compressed 8-bit RGB PNG; the folders above the file are made first. On
// failure, false with the reason in `error`.
bool WritePng(const Pixels& pixels, const std::string& path, std::string& error);

// 0x00RRGGBB of a COLORREF.
inline uint32_t Rgb(COLORREF colour) {
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

}  // namespace capture
