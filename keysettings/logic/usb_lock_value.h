// The receiver's lock as the registry keeps it: "USB Lock" under HKEY_LOCAL_MACHINE
// "Software\Orvanta\Skyrel", a number whose writers store exactly 1 (locked) or 0. The agent
// reads it at its start and writes it back; the status applet writes it and never reads it.
#pragma once

#include <cstdint>

#include "registry/logic/registry.h"

namespace keysettings {

// The stored value, whatever its type; 0 when the key or a value of at most 4 bytes isn't there.
uint32_t ReadUsbLock(reg::Registry& registry);

// Opens the key for writing, or creates it when it can't be opened, and stores 1 or 0. A failure
// goes unreported.
void WriteUsbLock(reg::Registry& registry, bool locked);

}  // namespace keysettings
