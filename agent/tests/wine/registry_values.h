// The registry values the agent's tests set and read, under HKEY_LOCAL_MACHINE.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace agenttest {

void SetNumber(const char* key, const char* name, uint32_t value);
void SetBytes(const char* key, const char* name, DWORD type, const void* data, DWORD size);
// False when the value is missing.
bool ReadNumber(const char* key, const char* name, uint32_t* value);
bool ReadText(HKEY root, const char* key, const char* name, std::string* text);
void DeleteTree(HKEY root, const char* key);
// Wine reads a program's Windows version from its AppDefaults entry as the process starts;
// null takes the entry's version away again.
void SetProgramVersion(const char* program, const char* version);

}  // namespace agenttest
