// Other programs' windows as the setup's tests find and drive them: the setup's own pages and
// questions, and the status applet that the Control Panel opens.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace setup_test {

// Polls until `condition` holds; false when it still didn't after the slow wait limit.
bool WaitUntil(const std::function<bool()>& condition);

// A visible top-level dialog of the process whose title starts with `title` (a wizard adds its
// page's caption); null when none came.
HWND WaitForDialog(DWORD process_id, const char* title);
// A visible message box of the process whose text contains `words`: one there now, or one
// waited for; null when there is none.
HWND FindMessageBox(DWORD process_id, const char* words);
HWND WaitForMessageBox(DWORD process_id, const char* words);

std::string ControlText(HWND dialog, int id);
// Whether a window below `parent`, at any depth, has exactly `text`.
bool HasChildWithText(HWND parent, const char* text);
// Presses the dialog's button as a click would, without waiting for what follows.
void Press(HWND dialog, int id);

// "control.exe skyrel.cpl", started outside the system folder, finds the applet there and
// opens its status dialog; closing the dialog ends the Control Panel.
bool ControlPanelOpensTheApplet();

}  // namespace setup_test
