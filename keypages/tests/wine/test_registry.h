// The registry as a Wine test sets it up and reads it back: whole keys removed, values written
// and read as raw bytes with their type.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kp_test {

struct RawValue {
    bool present = false;
    DWORD type = 0;
    std::vector<BYTE> bytes;
};

RawValue ReadValue(HKEY root, const std::string& path, const char* name);
std::string ReadText(HKEY root, const std::string& path, const char* name);  // "(none)" if missing
bool KeyExists(HKEY root, const std::string& path);
// The names of a key's subkeys, in the registry's order.
std::vector<std::string> Subkeys(HKEY root, const std::string& path);

void DeleteTree(HKEY root, const std::string& path);
void WriteValue(HKEY root, const std::string& path, const char* name, DWORD type, const std::vector<BYTE>& bytes);
void WriteNumber(HKEY root, const std::string& path, const char* name, DWORD number);
void WriteText(HKEY root, const std::string& path, const char* name, const std::string& text);

// How many handles are open to the key's object, this one included; 0 when it can't be told.
DWORD HandleCount(HKEY key);

// A DWORD's four bytes, and a text's bytes with its terminating NUL.
std::vector<BYTE> NumberBytes(DWORD number);
std::vector<BYTE> TextBytes(const std::string& text);

}  // namespace kp_test
