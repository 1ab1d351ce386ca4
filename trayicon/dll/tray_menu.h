// The popup menu of the product and radio icons.
#pragma once

#include <windows.h>

namespace tray {

// Shows the menu at the position of the message being handled, owned by the tray window; a
// chosen item comes back to the window as WM_COMMAND.
void ShowTrayMenu(HWND owner);

}  // namespace tray
