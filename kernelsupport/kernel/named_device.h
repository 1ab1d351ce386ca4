// The named control device a driver offers user mode, and its dispatch table.
#pragma once

#include <ddk/wdm.h>

// Creates the device `name` with `extensionSize` bytes of zeroed extension and the link `link`
// to it, with buffered I/O alone in its flags (which also clears the initializing flag). On
// failure nothing is left behind and the status is returned.
NTSTATUS CreateNamedDevice(PDRIVER_OBJECT driver, ULONG extensionSize, PUNICODE_STRING name, PUNICODE_STRING link,
                           PDEVICE_OBJECT* device);

// Removes the link and then the device.
void DeleteNamedDevice(PDEVICE_OBJECT device, PUNICODE_STRING link);

// Gives every major function `routine`; the caller then names its own routines.
void DispatchAllTo(PDRIVER_OBJECT driver, PDRIVER_DISPATCH routine);
