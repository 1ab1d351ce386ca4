// The registry as the programs' portable code uses it: create, open, set, read, delete. Their
// registry steps are written against this interface so that their order and their bytes can
// be proven on the host (and driven by fuzz targets); the Win32 side (win32/win32_registry.h) is
// one direct call a method.
#pragma once

#include <cstddef>
#include <cstdint>

namespace reg {

class Registry {
public:
    // An open key: 0 is none. What the number stands for belongs to the implementation.
    using Key = std::uintptr_t;
    static constexpr Key kNoKey = 0;

    enum class Root { ClassesRoot, LocalMachine };
    // KEY_READ, KEY_WRITE and KEY_ALL_ACCESS.
    enum class Access { Read, Write, All };
    // REG_SZ and REG_DWORD.
    enum class Type { Text, Number };

    virtual ~Registry() = default;

    // Creates the key (non-volatile, no class) or opens it when it exists; kNoKey on failure.
    virtual Key Create(Root root, const char* path, Access access) = 0;
    // The same below an open key.
    virtual Key CreateBelow(Key parent, const char* subkey, Access access) = 0;
    // Opens an existing key; kNoKey on failure.
    virtual Key Open(Root root, const char* path, Access access) = 0;
    virtual void Close(Key key) = 0;
    // Sets a value; a null name is the key's default value. Failures are not reported.
    virtual void Set(Key key, const char* name, Type type, const void* data, std::size_t size) = 0;
    // Reads a value into `data`, which holds `size` bytes. True when the whole value fitted;
    // on false the buffer's contents are undefined.
    virtual bool Query(Key key, const char* name, void* data, std::size_t size) = 0;
    virtual void DeleteKey(Root root, const char* path) = 0;
    virtual void DeleteValue(Key key, const char* name) = 0;
};

// Closes a key it was given when it goes out of scope.
class ScopedKey {
public:
    ScopedKey(Registry& registry, Registry::Key key) : registry_(registry), key_(key) {}
    ~ScopedKey() { Close(); }
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;

    explicit operator bool() const { return key_ != Registry::kNoKey; }
    Registry::Key get() const { return key_; }
    void Close() {
        if (key_ != Registry::kNoKey) registry_.Close(key_);
        key_ = Registry::kNoKey;
    }

private:
    Registry& registry_;
    Registry::Key key_;
};

// Sets a REG_SZ value as the text and its terminating zero.
void SetText(Registry& registry, Registry::Key key, const char* name, const char* text);
// Sets a REG_DWORD value.
void SetNumber(Registry& registry, Registry::Key key, const char* name, uint32_t number);

// Reads a value of at most 4 bytes, whatever type is stored, into `field`: a shorter value
// replaces the field's low bytes only, and a read that fails leaves the field as it was.
void ReadNumber(Registry& registry, Registry::Key key, const char* name, uint32_t& field);

// Opens the key for writing, or creates it when it can't be opened; Registry::kNoKey when
// neither works.
Registry::Key OpenForWriting(Registry& registry, Registry::Root root, const char* path);

}  // namespace reg
