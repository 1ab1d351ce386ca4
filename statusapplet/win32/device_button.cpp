#include "statusapplet/win32/device_button.h"

#include "statusapplet/logic/button_look.h"

namespace applet {
namespace {

constexpr int kIconSize = 16;
constexpr int kIconGap = 4;
constexpr int kCaptionLength = 64;

COLORREF InkColour(CaptionInk ink) {
    switch (ink) {
    case CaptionInk::Hovered:
        return kHoveredRgb;
    case CaptionInk::Pressed:
        return kPressedRgb;
    default:
        return GetSysColor(COLOR_BTNTEXT);
    }
}

}  // namespace

void CDeviceButton::Attach(HWND button, HICON chosen_icon, HICON other_icon, HCURSOR pointer) {
    window_ = button;
    chosen_icon_ = chosen_icon;
    other_icon_ = other_icon;
    pointer_ = pointer;
    if (window_ == nullptr) return;
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    button_proc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CDeviceButton::ButtonProc)));
}

void CDeviceButton::SetPressed(bool pressed) {
    if (pressed_ == pressed) return;
    pressed_ = pressed;
    InvalidateRect(window_, nullptr, TRUE);
}

LRESULT CALLBACK CDeviceButton::ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CDeviceButton* self = reinterpret_cast<CDeviceButton*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return self->OnMessage(window, message, wParam, lParam);
}

LRESULT CDeviceButton::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC button_proc = button_proc_;
    switch (message) {
    case WM_MOUSEMOVE:
        OnMouseMove();
        break;
    case WM_MOUSELEAVE:
        SetHovered(false);
        break;
    case WM_SETCURSOR:
        SetCursor(pointer_);
        return TRUE;
    case WM_NCDESTROY:
        // The control goes; hand it back to its own procedure for its last message.
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(button_proc));
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        window_ = nullptr;
        break;
    default:
        break;
    }
    return CallWindowProcA(button_proc, window, message, wParam, lParam);
}

void CDeviceButton::OnMouseMove() {
    // Hovering shows only while the dialog is the active window; the first move asks for the
    // notice that the pointer left.
    if (hovered_ || GetActiveWindow() != GetParent(window_)) return;
    TRACKMOUSEEVENT track = {};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = window_;
    if (TrackMouseEvent(&track)) SetHovered(true);
}

void CDeviceButton::SetHovered(bool hovered) {
    if (hovered_ == hovered) return;
    hovered_ = hovered;
    InvalidateRect(window_, nullptr, TRUE);
}

void CDeviceButton::Draw(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    const bool enabled = !(item.itemState & ODS_DISABLED);
    const ButtonLook look = LookOf(enabled, hovered_, pressed_);
    HICON icon = look.chosen_icon ? chosen_icon_ : other_icon_;
    const int icon_top = area.top + (area.bottom - area.top - kIconSize) / 2;
    if (enabled) {
        DrawIconEx(dc, area.left, icon_top, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    } else {
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, area.left, icon_top, kIconSize, kIconSize,
                   DST_ICON | DSS_DISABLED);
    }
    area.left += kIconSize + kIconGap;
    DrawCaption(dc, area, look);
}

void CDeviceButton::DrawCaption(HDC dc, RECT area, const ButtonLook& look) const {
    char caption[kCaptionLength];
    const int length = GetWindowTextA(window_, caption, kCaptionLength);
    HGDIOBJ old_font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window_, WM_GETFONT, 0, 0)));
    const int old_mode = SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX;
    if (look.ink == CaptionInk::Embossed) {
        RECT shifted = area;
        OffsetRect(&shifted, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextA(dc, caption, length, &shifted, format);
        SetTextColor(dc, GetSysColor(COLOR_3DSHADOW));
        DrawTextA(dc, caption, length, &area, format);
    } else {
        const COLORREF ink = InkColour(look.ink);
        SetTextColor(dc, ink);
        DrawTextA(dc, caption, length, &area, format);
        if (look.underlined) {
            RECT text = area;
            DrawTextA(dc, caption, length, &text, format | DT_CALCRECT);
            const int height = text.bottom - text.top;
            const int line = area.top + (area.bottom - area.top - height) / 2 + height;
            RECT underline = {area.left, line, area.left + (text.right - text.left), line + 1};
            HBRUSH brush = CreateSolidBrush(ink);
            FillRect(dc, &underline, brush);
            DeleteObject(brush);
        }
    }
    SetBkMode(dc, old_mode);
    SelectObject(dc, old_font);
}

}  // namespace applet
