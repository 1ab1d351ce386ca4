// What the open status dialog shows, read from its controls: which device buttons are enabled,
// the lock box, the channel and id texts, and which battery picture the picture control holds.
#pragma once

#include <windows.h>

#include <string>

#include "common/device_kinds.h"

namespace applet_test {

struct DialogView {
    bool button_enabled[DEVICE_KIND_COUNT] = {};  // by record index (device kind)
    bool lock_enabled = false;
    bool lock_ticked = false;
    bool channel_enabled = false;
    bool id_enabled = false;
    bool battery_enabled = false;
    std::string channel;
    std::string id;
    int battery = 0;  // the resource the picture shows: 406, 407, 410; -1 for another picture
};

// The dialog runs in the test process; `applet` is the loaded skyrel.cpl, whose battery
// bitmaps the picture is compared with pixel by pixel.
DialogView ReadView(HWND dialog, HMODULE applet);

// The control of a device kind's button.
HWND DeviceButton(HWND dialog, int record_index);

// One tick of the refresh timer, sent rather than waited for.
void Tick(HWND dialog);

// The receiver's lock as the registry holds it: "USB Lock", or -1 while it is missing.
LONG StoredUsbLock();
void StoreUsbLock(DWORD value);
void DeleteUsbLock();

}  // namespace applet_test
