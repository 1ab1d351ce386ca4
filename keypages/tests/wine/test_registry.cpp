#include "keypages/tests/wine/test_registry.h"

#include <shlwapi.h>

namespace kp_test {

RawValue ReadValue(HKEY root, const std::string& path, const char* name) {
    RawValue value;
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.bytes.resize(size);
        value.present =
            RegQueryValueExA(key, name, nullptr, &value.type, value.bytes.data(), &size) == ERROR_SUCCESS;
        value.bytes.resize(size);
    }
    RegCloseKey(key);
    return value;
}

std::string ReadText(HKEY root, const std::string& path, const char* name) {
    const RawValue value = ReadValue(root, path, name);
    if (!value.present) return "(none)";
    std::string text(value.bytes.begin(), value.bytes.end());
    return text.substr(0, text.find('\0'));
}

bool KeyExists(HKEY root, const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::vector<std::string> Subkeys(HKEY root, const std::string& path) {
    std::vector<std::string> names;
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof name;
        if (RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, size);
    }
    RegCloseKey(key);
    return names;
}

void DeleteTree(HKEY root, const std::string& path) {
    SHDeleteKeyA(root, path.c_str());
}

void WriteValue(HKEY root, const std::string& path, const char* name, DWORD type, const std::vector<BYTE>& bytes) {
    HKEY key;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) return;
    RegSetValueExA(key, name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

void WriteNumber(HKEY root, const std::string& path, const char* name, DWORD number) {
    WriteValue(root, path, name, REG_DWORD, NumberBytes(number));
}

void WriteText(HKEY root, const std::string& path, const char* name, const std::string& text) {
    WriteValue(root, path, name, REG_SZ, TextBytes(text));
}

DWORD HandleCount(HKEY key) {
    // The first fields of OBJECT_BASIC_INFORMATION, which winternl.h leaves opaque.
    struct BasicInformation {
        ULONG attributes;
        ACCESS_MASK grantedAccess;
        ULONG handleCount;
        ULONG pointerCount;
        ULONG reserved[10];
    } information = {};
    using Query = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryObject")));
    if (query == nullptr || query(key, 0, &information, sizeof information, nullptr) != 0) return 0;
    return information.handleCount;
}

std::vector<BYTE> NumberBytes(DWORD number) {
    return {static_cast<BYTE>(number), static_cast<BYTE>(number >> 8), static_cast<BYTE>(number >> 16),
            static_cast<BYTE>(number >> 24)};
}

std::vector<BYTE> TextBytes(const std::string& text) {
    std::vector<BYTE> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

}  // namespace kp_test
