// The block another program hands the status dialog with WM_COPYDATA to replace its status
// table: a 16-bit 0, then the 40-byte table. The data comes from any process, so it is taken
// only when it is at least that long and begins with the 0; whatever follows is not read.
#pragma once

#include <stddef.h>

#include "common/control_interface.h"

namespace applet {

constexpr size_t kStatusBlockSize = 2 + sizeof(RF_DATA);

// Copies the table out of the block's first 42 bytes into `table` and returns true; false,
// leaving `table` as it was, for anything else. Reads no byte beyond `size`.
bool ReadStatusBlock(const void* data, size_t size, RF_DATA* table);

}  // namespace applet
