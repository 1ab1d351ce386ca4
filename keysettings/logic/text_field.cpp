#include "keysettings/logic/text_field.h"

#include <cstring>

namespace keysettings {

void CopyToField(TextField& field, const char* text) {
    std::size_t length = 0;
    while (length < sizeof field - 1 && text[length] != '\0') ++length;
    std::memcpy(field, text, length);
    field[length] = '\0';
}

std::size_t FieldLength(const TextField& field) {
    std::size_t length = 0;
    while (length < sizeof field - 1 && field[length] != '\0') ++length;
    return length;
}

void TerminateField(TextField& field) {
    field[sizeof field - 1] = '\0';
}

}  // namespace keysettings
