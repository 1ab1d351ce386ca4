// How a device button draws its caption for its state.
#pragma once

namespace applet {

enum class CaptionInk {
    Normal,    // the system's button-text colour
    Hovered,   // navy: the pointer is over the button
    Pressed,   // blue: the button's device is the chosen one and the pointer is elsewhere
    Embossed,  // the button is disabled: highlight one pixel down and right, shadow on top
};

struct ButtonLook {
    CaptionInk ink;
    bool underlined;  // a one-pixel line of the caption's colour beneath it
    bool chosen_icon; // the chosen device's icon rather than the other one
};

ButtonLook LookOf(bool enabled, bool hovered, bool pressed);

constexpr unsigned long kHoveredRgb = 0x800000;  // RGB(0, 0, 128) as COLORREF
constexpr unsigned long kPressedRgb = 0xFF0000;  // RGB(0, 0, 255)

}  // namespace applet
