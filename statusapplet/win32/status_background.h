// The status dialog's background: the button face, the logo with white see-through, and the
// curve along which the device buttons sit.
#pragma once

#include <windows.h>

namespace applet {

// Paints the whole client area of `dialog` into `dc`; the curve is drawn with the DC's pen.
void PaintStatusBackground(HWND dialog, HDC dc, HBITMAP logo);

}  // namespace applet
