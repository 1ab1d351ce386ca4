// A device button of the status dialog: an owner-drawn, flat button without a border that
// shows one of two icons and its caption, is drawn pressed while its device is the chosen one,
// colours its caption while the pointer is over it, and shows its own pointer.
#pragma once

#include <windows.h>

#include "statusapplet/logic/button_look.h"

namespace applet {

class CDeviceButton {
public:
    CDeviceButton() = default;
    CDeviceButton(const CDeviceButton&) = delete;
    CDeviceButton& operator=(const CDeviceButton&) = delete;

    // Takes over the dialog's button control. The icons and the pointer stay the dialog's.
    void Attach(HWND button, HICON chosen_icon, HICON other_icon, HCURSOR pointer);
    HWND window() const { return window_; }

    // Drawn pressed or not; repaints on a change.
    void SetPressed(bool pressed);
    // WM_DRAWITEM from the dialog.
    void Draw(const DRAWITEMSTRUCT& item) const;

private:
    static LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnMouseMove();
    void SetHovered(bool hovered);
    void DrawCaption(HDC dc, RECT area, const ButtonLook& look) const;

    HWND window_ = nullptr;
    WNDPROC button_proc_ = nullptr;
    HICON chosen_icon_ = nullptr;
    HICON other_icon_ = nullptr;
    HCURSOR pointer_ = nullptr;
    bool pressed_ = false;
    bool hovered_ = false;
};

}  // namespace applet
