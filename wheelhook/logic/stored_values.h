// What the hook makes of the values it reads from the registry, whatever a user or another
// program stored there: any type, any size, a text without its NUL. Portable, so that the host
// tests and the fuzz target prove the rules the library reads by.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "wheelhook/logic/wheel_functions.h"

// A setting's field after a read of `size` bytes (1 to 4) straight into it, as the library reads
// each value whatever its type: the bytes replace the field's low bytes, little-endian, and
// the rest of it stays. A read that fails (no value, or more than 4 bytes) leaves the field
// alone and never comes here.
uint32_t DwordFromValue(uint32_t field, const uint8_t* bytes, size_t size);

// The launch command an App Paths value of `size` bytes gives: its text up to the first NUL
// within those bytes, cut to the buffer so that the buffer always ends its text inside.
void CommandFromValue(const char* text, size_t size, char (&command)[kCommandBufferSize]);
