// The Print Screen notice: what the copied image is and how to paste it, with the check box
// that keeps the notice coming.
#pragma once

#include <windows.h>

// Modal; closes only through its Close button, which saves the options. One at a time: while
// it is open, another call does nothing.
void RunPrintScreenNotice(HINSTANCE instance, HWND owner);
