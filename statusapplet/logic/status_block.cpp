#include "statusapplet/logic/status_block.h"

#include <stdint.h>
#include <string.h>

namespace applet {

bool ReadStatusBlock(const void* data, size_t size, RF_DATA* table) {
    if (data == nullptr || size < kStatusBlockSize) return false;
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    if (bytes[0] != 0 || bytes[1] != 0) return false;
    memcpy(table, bytes + 2, sizeof *table);
    return true;
}

}  // namespace applet
