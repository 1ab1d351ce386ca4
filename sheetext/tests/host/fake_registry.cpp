#include "sheetext/tests/host/fake_registry.h"

#include <cstring>

namespace sheetext_test {
namespace {

std::string RootName(sheetext::Registry::Root root) {
    return root == sheetext::Registry::Root::ClassesRoot ? "HKCR" : "HKLM";
}

const char* AccessName(sheetext::Registry::Access access) {
    switch (access) {
    case sheetext::Registry::Access::Read:
        return "read";
    case sheetext::Registry::Access::Write:
        return "write";
    case sheetext::Registry::Access::All:
        break;
    }
    return "all";
}

bool Below(const std::string& path, const std::string& parent) {
    return path.size() > parent.size() && path.compare(0, parent.size(), parent) == 0 && path[parent.size()] == '\\';
}

}  // namespace

sheetext::Registry::Key FakeRegistry::CreatePath(const std::string& path, Access access) {
    log_.push_back("create " + path + " " + AccessName(access));
    for (const std::string& refused : refused_) {
        if (path == refused || Below(path, refused)) return kNoKey;
    }
    // Creating a key creates the keys above it, as the registry does.
    for (size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1)) keys_[path.substr(0, at)];
    keys_[path];
    open_[next_] = path;
    return next_++;
}

const std::string& FakeRegistry::PathOf(Key key) const {
    static const std::string none = "(no key)";
    auto found = open_.find(key);
    return found == open_.end() ? none : found->second;
}

sheetext::Registry::Key FakeRegistry::Create(Root root, const char* path, Access access) {
    return CreatePath(RootName(root) + "\\" + path, access);
}

sheetext::Registry::Key FakeRegistry::CreateBelow(Key parent, const char* subkey, Access access) {
    return CreatePath(PathOf(parent) + "\\" + subkey, access);
}

sheetext::Registry::Key FakeRegistry::Open(Root root, const char* path, Access access) {
    const std::string full = RootName(root) + "\\" + path;
    log_.push_back("open " + full + " " + AccessName(access));
    if (!HasKey(full)) return kNoKey;
    open_[next_] = full;
    return next_++;
}

void FakeRegistry::Close(Key key) {
    log_.push_back("close " + PathOf(key));
    open_.erase(key);
}

void FakeRegistry::Set(Key key, const char* name, Type type, const void* data, std::size_t size) {
    const std::string& path = PathOf(key);
    const std::string valueName = name ? name : "";
    log_.push_back("set " + path + "[" + valueName + "] " + (type == Type::Text ? "text " : "number ") +
                   std::to_string(size));
    const auto* bytes = static_cast<const unsigned char*>(data);
    keys_[path][valueName] = Value{type, std::vector<unsigned char>(bytes, bytes + size)};
}

bool FakeRegistry::Query(Key key, const char* name, void* data, std::size_t size) {
    const std::string& path = PathOf(key);
    const std::string valueName = name ? name : "";
    log_.push_back("query " + path + "[" + valueName + "] " + std::to_string(size));
    const Value* value = Find(path, valueName);
    if (value == nullptr) return false;
    if (value->bytes.size() > size) {
        // What a real registry leaves in a buffer that was too small is undefined.
        std::memset(data, '#', size);
        return false;
    }
    std::memcpy(data, value->bytes.data(), value->bytes.size());
    return true;
}

void FakeRegistry::DeleteKey(Root root, const char* path) {
    const std::string full = RootName(root) + "\\" + path;
    log_.push_back("delete " + full);
    // A key with subkeys is not deleted, as on Windows NT.
    for (const auto& key : keys_) {
        if (Below(key.first, full)) return;
    }
    keys_.erase(full);
}

void FakeRegistry::DeleteValue(Key key, const char* name) {
    const std::string& path = PathOf(key);
    log_.push_back("delete " + path + "[" + name + "]");
    auto found = keys_.find(path);
    if (found != keys_.end()) found->second.erase(name);
}

void FakeRegistry::Put(const std::string& path, const std::string& name, Type type,
                       const std::vector<unsigned char>& bytes) {
    for (size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1)) keys_[path.substr(0, at)];
    keys_[path][name] = Value{type, bytes};
}

void FakeRegistry::PutText(const std::string& path, const std::string& name, const std::string& text) {
    std::vector<unsigned char> bytes(text.begin(), text.end());
    bytes.push_back(0);
    Put(path, name, Type::Text, bytes);
}

void FakeRegistry::PutNumber(const std::string& path, const std::string& name, unsigned number) {
    std::vector<unsigned char> bytes(4);
    std::memcpy(bytes.data(), &number, 4);
    Put(path, name, Type::Number, bytes);
}

bool FakeRegistry::HasKey(const std::string& path) const {
    return keys_.count(path) != 0;
}

const FakeRegistry::Value* FakeRegistry::Find(const std::string& path, const std::string& name) const {
    auto key = keys_.find(path);
    if (key == keys_.end()) return nullptr;
    auto value = key->second.find(name);
    return value == key->second.end() ? nullptr : &value->second;
}

std::string FakeRegistry::Text(const std::string& path, const std::string& name) const {
    const Value* value = Find(path, name);
    if (value == nullptr || value->bytes.empty() || value->bytes.back() != 0) return "(none)";
    return std::string(value->bytes.begin(), value->bytes.end() - 1);
}

std::vector<std::string> FakeRegistry::Keys() const {
    std::vector<std::string> keys;
    for (const auto& key : keys_) keys.push_back(key.first);
    return keys;
}

}  // namespace sheetext_test
