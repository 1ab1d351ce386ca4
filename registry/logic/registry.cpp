#include "registry/logic/registry.h"

#include <cstring>

namespace reg {

void SetText(Registry& registry, Registry::Key key, const char* name, const char* text) {
    registry.Set(key, name, Registry::Type::Text, text, std::strlen(text) + 1);
}

void SetNumber(Registry& registry, Registry::Key key, const char* name, uint32_t number) {
    registry.Set(key, name, Registry::Type::Number, &number, sizeof number);
}

// Read into a copy of the field, taken only when the read succeeded: what a failed read leaves
// in a buffer is undefined.
void ReadNumber(Registry& registry, Registry::Key key, const char* name, uint32_t& field) {
    uint32_t number = field;
    if (registry.Query(key, name, &number, sizeof number)) field = number;
}

Registry::Key OpenForWriting(Registry& registry, Registry::Root root, const char* path) {
    const Registry::Key key = registry.Open(root, path, Registry::Access::Write);
    if (key != Registry::kNoKey) return key;
    return registry.Create(root, path, Registry::Access::Write);
}

}  // namespace reg
