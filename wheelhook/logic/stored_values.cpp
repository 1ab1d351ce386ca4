#include "wheelhook/logic/stored_values.h"

uint32_t DwordFromValue(uint32_t field, const uint8_t* bytes, size_t size) {
    for (size_t i = 0; i < size && i < sizeof field; ++i) {
        const uint32_t shift = static_cast<uint32_t>(8 * i);
        field = (field & ~(0xFFu << shift)) | (static_cast<uint32_t>(bytes[i]) << shift);
    }
    return field;
}

void CommandFromValue(const char* text, size_t size, char (&command)[kCommandBufferSize]) {
    size_t length = 0;
    while (length < size && length + 1 < sizeof command && text[length] != '\0') {
        command[length] = text[length];
        ++length;
    }
    command[length] = '\0';
}
