// The text fields of KeyboardSettings: 128-byte buffers that always hold a terminated text.
#pragma once

#include <cstddef>

#include "common/registry_names.h"

namespace keysettings {

using TextField = char[KB_REG_TEXT_SIZE];

// Copies at most 127 characters of `text`; a longer text is cut, the field never overrun.
void CopyToField(TextField& field, const char* text);

// The length of the field's text, at most 127.
std::size_t FieldLength(const TextField& field);

// Ends a field that was filled to its last byte without a terminating NUL (a registry text of
// 128 bytes), so that it is never read past its end.
void TerminateField(TextField& field);

}  // namespace keysettings
