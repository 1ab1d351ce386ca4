#include "registry/win32/win32_registry.h"

#include <windows.h>

namespace reg {
namespace {

HKEY Handle(Registry::Key key) {
    return reinterpret_cast<HKEY>(key);
}

Registry::Key KeyOf(HKEY handle) {
    return reinterpret_cast<Registry::Key>(handle);
}

HKEY RootHandle(Registry::Root root) {
    return root == Registry::Root::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_LOCAL_MACHINE;
}

REGSAM Rights(Registry::Access access) {
    switch (access) {
    case Registry::Access::Read:
        return KEY_READ;
    case Registry::Access::Write:
        return KEY_WRITE;
    case Registry::Access::All:
        break;
    }
    return KEY_ALL_ACCESS;
}

Registry::Key CreateKey(HKEY parent, const char* path, Registry::Access access) {
    HKEY key = nullptr;
    char no_class[] = "";
    if (RegCreateKeyExA(parent, path, 0, no_class, REG_OPTION_NON_VOLATILE, Rights(access), nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return Registry::kNoKey;
    return KeyOf(key);
}

}  // namespace

Registry::Key Win32Registry::Create(Root root, const char* path, Access access) {
    return CreateKey(RootHandle(root), path, access);
}

Registry::Key Win32Registry::CreateBelow(Key parent, const char* subkey, Access access) {
    return CreateKey(Handle(parent), subkey, access);
}

Registry::Key Win32Registry::Open(Root root, const char* path, Access access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(RootHandle(root), path, 0, Rights(access), &key) != ERROR_SUCCESS) return kNoKey;
    return KeyOf(key);
}

void Win32Registry::Close(Key key) {
    RegCloseKey(Handle(key));
}

void Win32Registry::Set(Key key, const char* name, Type type, const void* data, std::size_t size) {
    RegSetValueExA(Handle(key), name, 0, type == Type::Text ? REG_SZ : REG_DWORD, static_cast<const BYTE*>(data),
                   static_cast<DWORD>(size));
}

bool Win32Registry::Query(Key key, const char* name, void* data, std::size_t size) {
    DWORD length = static_cast<DWORD>(size);
    return RegQueryValueExA(Handle(key), name, nullptr, nullptr, static_cast<BYTE*>(data), &length) ==
           ERROR_SUCCESS;
}

void Win32Registry::DeleteKey(Root root, const char* path) {
    RegDeleteKeyA(RootHandle(root), path);
}

void Win32Registry::DeleteValue(Key key, const char* name) {
    RegDeleteValueA(Handle(key), name);
}

}  // namespace reg
