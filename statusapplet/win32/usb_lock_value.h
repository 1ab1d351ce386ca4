// The receiver's lock as the registry keeps it: "USB Lock" under HKEY_LOCAL_MACHINE
// "Software\Orvanta\Skyrel", a REG_DWORD of 1 (locked) or 0. The applet writes it and never
// reads it; the agent applies it at its start.
#pragma once

namespace applet {

// Opens the key for writing, or creates it when it can't be opened. A failure goes unreported.
void WriteUsbLockValue(bool locked);

}  // namespace applet
