// The exports of wheelhook.dll, for the programs that link it. The agent binds them by ordinal
// through the import library `wheelhook_import`.
#pragma once

#include <windows.h>

extern "C" {

// Ordinal 1: kept for old loaders; does nothing.
int WINAPI WEP(void);

// Ordinal 2: install non-zero installs the hooks (only windows[0], the agent's main window, is
// read); 0 removes them and ignores `windows`. Non-zero when all three hooks are in place
// after an install, or after a removal.
int WINAPI InstallMouseFilter(int install, HWND* windows);

// Ordinal 3: the WH_MOUSE hook procedure; passes everything on.
LRESULT CALLBACK MouseFilterFunc(int code, WPARAM wParam, LPARAM lParam);

// Ordinal 4: loads the wheel settings and the launch commands. Non-zero when the settings key
// could be opened.
int WINAPI ReadFilterRegistry(void);

// Ordinal 5: one low-level wheel event. 0 when it was handled and must be consumed, non-zero
// when it must reach the application unchanged.
int WINAPI ProcWheel(MSLLHOOKSTRUCT* event);

// Ordinal 6: one wheel notch for `focus`, horizontal when non-zero; same result as ProcWheel.
int WINAPI ProcWheelEx(HWND focus, int horizontal, short delta);

}  // extern "C"
