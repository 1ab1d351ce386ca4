// A user's hands and eyes on a dialog page: clicks, typing, picking from lists, and what the
// controls show.
#pragma once

#include <windows.h>

#include <string>

namespace kp_test {

// A click on a button, check box or radio button.
void Click(HWND dialog, int control);
// Types the text into an edit, one character after the other.
void Type(HWND dialog, int control, const std::string& text);
// Picks an item of a combo box or list box as the mouse would: the control notifies its parent.
void PickComboItem(HWND dialog, int control, int index);
void PickListItem(HWND dialog, int control, int index);

std::string Text(HWND dialog, int control);
std::string ComboItemText(HWND dialog, int control, int index);
bool Shown(HWND dialog, int control);
bool Enabled(HWND dialog, int control);
bool Checked(HWND dialog, int control);

}  // namespace kp_test
