// Owners of the GDI objects and device contexts the pages use.
#pragma once

#include <windows.h>

namespace keypages {

// A bitmap of the module, loaded on construction and deleted with its owner.
class ModuleBitmap {
public:
    ModuleBitmap() = default;
    ~ModuleBitmap() { Reset(); }
    ModuleBitmap(const ModuleBitmap&) = delete;
    ModuleBitmap& operator=(const ModuleBitmap&) = delete;

    void Load(HINSTANCE module, int resource) {
        Reset();
        bitmap_ = LoadBitmapA(module, MAKEINTRESOURCEA(resource));
    }
    HBITMAP get() const { return bitmap_; }

private:
    void Reset() {
        if (bitmap_ != nullptr) DeleteObject(bitmap_);
        bitmap_ = nullptr;
    }
    HBITMAP bitmap_ = nullptr;
};

class MemoryDc {
public:
    explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
    ~MemoryDc() {
        if (dc_ != nullptr) DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// An object selected into a device context until the end of the scope.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

class SolidBrush {
public:
    explicit SolidBrush(COLORREF colour) : brush_(CreateSolidBrush(colour)) {}
    ~SolidBrush() {
        if (brush_ != nullptr) DeleteObject(brush_);
    }
    SolidBrush(const SolidBrush&) = delete;
    SolidBrush& operator=(const SolidBrush&) = delete;
    HBRUSH get() const { return brush_; }

private:
    HBRUSH brush_;
};

}  // namespace keypages
