#include "agent/win32/window_classes.h"

// The media-select window has no behaviour of its own in this build: no hot key opens it yet,
// and a window of its class made by anyone behaves as a plain window (its close box destroys it).
LRESULT CALLBACK SelectWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}
