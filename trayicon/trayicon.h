// The tray status icon library as its users call it. The agent links these by ordinal through
// the trayicon_import library (ordinal 1 and 2), creates the window at start-up on its
// user-interface thread and destroys it while shutting down; everything else reaches the
// window by posting the messages of common/private_messages.h to it.
#pragma once

#include <windows.h>

extern "C" {

// Creates the hidden tray window (one per process) and returns it; the window that already
// exists if there is one; nullptr if the window class could not be registered.
HWND WINAPI Init_StatusTray(void);

// Destroys the tray window and returns what DestroyWindow returned (FALSE when there is none).
// Destroying the window also posts WM_QUIT to the thread that owns it.
BOOL WINAPI Exit_StatusTray(void);

}
