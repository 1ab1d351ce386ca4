#include "sheetext/logic/registration.h"

#include <cstring>
#include <initializer_list>

#include "common/registry_names.h"

namespace sheetext {

using reg::Registry;
using reg::ScopedKey;
using reg::SetText;

namespace {

// A key path built from parts in a buffer of fixed size. A path that does not fit is refused,
// never cut: a shortened key would name another key.
class KeyPath {
public:
    KeyPath(const char* a, const char* b = "", const char* c = "", const char* d = "") {
        for (const char* part : {a, b, c, d}) Append(part);
    }
    bool fits() const { return fits_; }
    const char* text() const { return text_; }

private:
    void Append(const char* part) {
        const std::size_t length = std::strlen(part);
        if (length_ + length >= sizeof text_) {
            fits_ = false;
            return;
        }
        std::memcpy(text_ + length_, part, length + 1);
        length_ += length;
    }

    char text_[kKeyPathSize] = {};
    std::size_t length_ = 0;
    bool fits_ = true;
};

KeyPath ClassKeyPath(const char* clsid_text) {
    return KeyPath("CLSID\\", clsid_text);
}

KeyPath HandlerKeyPath(const ServerParameters& server) {
    return KeyPath(KB_REG_CONTROLS_FOLDER, server.applet, "\\shellex\\PropertySheetHandlers\\", server.display_name);
}

// One write of its own: create the key, set one text value, close.
void WriteText(Registry& registry, Registry::Key key, const char* name, const char* text) {
    if (key == Registry::kNoKey) return;
    SetText(registry, key, name, text);
    registry.Close(key);
}

}  // namespace

bool BraceClsidText(const char* bare, char (&text)[kClsidTextSize]) {
    if (std::strlen(bare) != kClsidTextSize - 3) return false;
    text[0] = '{';
    std::memcpy(text + 1, bare, kClsidTextSize - 3);
    text[kClsidTextSize - 2] = '}';
    text[kClsidTextSize - 1] = '\0';
    return true;
}

bool RegisterServerKeys(Registry& registry, const ServerParameters& server, const char* clsid_text,
                        const char* module_path) {
    const KeyPath class_path = ClassKeyPath(clsid_text);
    const KeyPath handler_path = HandlerKeyPath(server);
    const KeyPath module(module_path);
    if (!class_path.fits() || !handler_path.fits() || !module.fits()) return false;

    ScopedKey class_key(registry, registry.Create(Registry::Root::ClassesRoot, class_path.text(), Registry::Access::All));
    if (!class_key) return false;
    SetText(registry, class_key.get(), nullptr, server.display_name);

    // The shell compares server paths as text; one spelling, whatever the case on disk.
    char lower_path[kKeyPathSize];
    std::size_t length = 0;
    for (const char* c = module.text(); *c && length + 1 < sizeof lower_path; ++c) {
        lower_path[length++] = *c >= 'A' && *c <= 'Z' ? static_cast<char>(*c - 'A' + 'a') : *c;
    }
    lower_path[length] = '\0';
    WriteText(registry, registry.CreateBelow(class_key.get(), "InprocServer32", Registry::Access::All), nullptr,
              lower_path);
    WriteText(registry, registry.CreateBelow(class_key.get(), "InprocServer32", Registry::Access::All),
              "ThreadingModel", "Apartment");
    class_key.Close();

    WriteText(registry, registry.Create(Registry::Root::LocalMachine, handler_path.text(), Registry::Access::All),
              nullptr, clsid_text);
    WriteText(registry,
              registry.Create(Registry::Root::LocalMachine, KB_REG_SHELLEX_APPROVED, Registry::Access::All),
              clsid_text, server.display_name);
    return true;
}

void UnregisterServerKeys(Registry& registry, const ServerParameters& server, const char* clsid_text) {
    const KeyPath handler_path = HandlerKeyPath(server);
    if (handler_path.fits()) registry.DeleteKey(Registry::Root::LocalMachine, handler_path.text());
    {
        ScopedKey approved(registry,
                           registry.Open(Registry::Root::LocalMachine, KB_REG_SHELLEX_APPROVED, Registry::Access::All));
        if (approved) registry.DeleteValue(approved.get(), clsid_text);
    }
    const KeyPath inproc_path(ClassKeyPath(clsid_text).text(), "\\InprocServer32");
    if (inproc_path.fits()) registry.DeleteKey(Registry::Root::ClassesRoot, inproc_path.text());
    const KeyPath class_path = ClassKeyPath(clsid_text);
    if (class_path.fits()) registry.DeleteKey(Registry::Root::ClassesRoot, class_path.text());
}

}  // namespace sheetext
