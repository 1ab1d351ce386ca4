#include "statusapplet/logic/button_look.h"

namespace applet {

ButtonLook LookOf(bool enabled, bool hovered, bool pressed) {
    ButtonLook look = {CaptionInk::Normal, false, pressed};
    if (!enabled) {
        look.ink = CaptionInk::Embossed;
    } else if (hovered) {
        look.ink = CaptionInk::Hovered;
        look.underlined = true;
    } else if (pressed) {
        look.ink = CaptionInk::Pressed;
        look.underlined = true;
    }
    return look;
}

}  // namespace applet
