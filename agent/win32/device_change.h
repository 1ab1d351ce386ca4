// The main window's WM_DEVICECHANGE: every notification of a HID device interface is written to
// the log; an arrival of the receiver's keyboard interface goes on to the installation.
#pragma once

#include <windows.h>

// Always TRUE.
LRESULT OnDeviceChange(WPARAM event, LPARAM data);
