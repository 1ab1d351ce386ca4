#include "programstart/logic/app_path_command.h"

#include <string.h>

bool AppPathCommandLine(const char* path, char* out, size_t size) {
    if (size == 0) return false;
    out[0] = '\0';
    const size_t length = strlen(path);
    const bool quoted = path[0] == '"';
    const size_t needed = length + (quoted ? 0 : 2) + 1;
    if (needed > size) return false;
    char* at = out;
    if (!quoted) *at++ = '"';
    memcpy(at, path, length);
    at += length;
    if (!quoted) *at++ = '"';
    *at = '\0';
    return true;
}
