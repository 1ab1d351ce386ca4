// Telling other windows that the settings changed. OK and Apply send the notice and wait for
// it to be handled, but one hung window anywhere must not freeze the control panel for good:
// a window that has stopped answering is passed over at once, and any other gets a short while.
#pragma once

#include <windows.h>

namespace sheetext {

// How long OK and Apply wait for one window. A window that takes longer still handles the
// notice, only later.
constexpr UINT kSettingsNoticeWaitMs = 2000;

// WM_WININICHANGE with `what` in wParam and lParam 0, to `window` or, with HWND_BROADCAST, to
// every top-level window.
void SendSettingsNotice(HWND window, WPARAM what = 0);

}  // namespace sheetext
