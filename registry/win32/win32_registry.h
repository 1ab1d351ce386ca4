// reg::Registry on the Windows registry: each method is one advapi32 call.
#pragma once

#include "registry/logic/registry.h"

namespace reg {

class Win32Registry : public Registry {
public:
    Key Create(Root root, const char* path, Access access) override;
    Key CreateBelow(Key parent, const char* subkey, Access access) override;
    Key Open(Root root, const char* path, Access access) override;
    void Close(Key key) override;
    void Set(Key key, const char* name, Type type, const void* data, std::size_t size) override;
    bool Query(Key key, const char* name, void* data, std::size_t size) override;
    void DeleteKey(Root root, const char* path) override;
    void DeleteValue(Key key, const char* name) override;
};

}  // namespace reg
