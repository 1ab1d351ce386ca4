// The command line that starts a registered application path (the default value of an
// "App Paths" key): the program's full path, often below "C:\Program Files". Unquoted, the
// platform would read "C:\Program Files\Internet Explorer\IEXPLORE.EXE" as the program
// "C:\Program.exe" first, and run that if it exists. A command line of our own with arguments
// ("CDPlayer.exe /play") is no application path and is never passed through here.
#pragma once

#include <stddef.h>

// Writes `path` to `out` in double quotes, or as it is when it already begins with one. False,
// with `out` empty, when the result and its NUL don't fit in `size` bytes.
bool AppPathCommandLine(const char* path, char* out, size_t size);
