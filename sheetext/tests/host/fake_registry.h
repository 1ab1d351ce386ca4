// An in-memory registry behind sheetext::Registry that keeps a log of every call, so a test
// can check both what ends up stored and the order in which it was written.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "sheetext/registry.h"

namespace sheetext_test {

class FakeRegistry : public sheetext::Registry {
public:
    struct Value {
        Type type;
        std::vector<unsigned char> bytes;
    };

    Key Create(Root root, const char* path, Access access) override;
    Key CreateBelow(Key parent, const char* subkey, Access access) override;
    Key Open(Root root, const char* path, Access access) override;
    void Close(Key key) override;
    void Set(Key key, const char* name, Type type, const void* data, std::size_t size) override;
    bool Query(Key key, const char* name, void* data, std::size_t size) override;
    void DeleteKey(Root root, const char* path) override;
    void DeleteValue(Key key, const char* name) override;

    // Full paths are "HKCR\..." or "HKLM\...". A value name "" is the default value.
    void Put(const std::string& path, const std::string& name, Type type, const std::vector<unsigned char>& bytes);
    void PutText(const std::string& path, const std::string& name, const std::string& text);
    void PutNumber(const std::string& path, const std::string& name, unsigned number);
    bool HasKey(const std::string& path) const;
    const Value* Find(const std::string& path, const std::string& name) const;
    std::string Text(const std::string& path, const std::string& name) const;
    // Every stored key, in path order.
    std::vector<std::string> Keys() const;

    // Creating this key (or a key below it) fails from now on.
    void RefuseCreate(const std::string& path) { refused_.insert(path); }

    // One line a call: "create HKLM\...", "set HKLM\...[name] text 12", "close HKLM\...", and so on.
    const std::vector<std::string>& log() const { return log_; }
    void ClearLog() { log_.clear(); }
    // Keys created or opened and not closed yet.
    size_t OpenKeys() const { return open_.size(); }

private:
    Key CreatePath(const std::string& path, Access access);
    const std::string& PathOf(Key key) const;

    std::map<std::string, std::map<std::string, Value>> keys_;
    std::map<Key, std::string> open_;
    std::set<std::string> refused_;
    std::vector<std::string> log_;
    Key next_ = 100;
};

}  // namespace sheetext_test
