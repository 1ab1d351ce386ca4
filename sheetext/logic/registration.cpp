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

KeyPath ClassKeyPath(const char* clsidText) {
    return KeyPath("CLSID\\", clsidText);
}

KeyPath HandlerKeyPath(const ServerParameters& server) {
    return KeyPath(KB_REG_CONTROLS_FOLDER, server.applet, "\\shellex\\PropertySheetHandlers\\", server.displayName);
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

bool RegisterServerKeys(Registry& registry, const ServerParameters& server, const char* clsidText,
                        const char* modulePath) {
    const KeyPath classPath = ClassKeyPath(clsidText);
    const KeyPath handlerPath = HandlerKeyPath(server);
    const KeyPath module(modulePath);
    if (!classPath.fits() || !handlerPath.fits() || !module.fits()) return false;

    ScopedKey classKey(registry, registry.Create(Registry::Root::ClassesRoot, classPath.text(), Registry::Access::All));
    if (!classKey) return false;
    SetText(registry, classKey.get(), nullptr, server.displayName);

    // The shell compares server paths as text; one spelling, whatever the case on disk.
    char lowerPath[kKeyPathSize];
    std::size_t length = 0;
    for (const char* c = module.text(); *c && length + 1 < sizeof lowerPath; ++c) {
        lowerPath[length++] = *c >= 'A' && *c <= 'Z' ? static_cast<char>(*c - 'A' + 'a') : *c;
    }
    lowerPath[length] = '\0';
    WriteText(registry, registry.CreateBelow(classKey.get(), "InprocServer32", Registry::Access::All), nullptr,
              lowerPath);
    WriteText(registry, registry.CreateBelow(classKey.get(), "InprocServer32", Registry::Access::All),
              "ThreadingModel", "Apartment");
    classKey.Close();

    WriteText(registry, registry.Create(Registry::Root::LocalMachine, handlerPath.text(), Registry::Access::All),
              nullptr, clsidText);
    WriteText(registry,
              registry.Create(Registry::Root::LocalMachine, KB_REG_SHELLEX_APPROVED, Registry::Access::All),
              clsidText, server.displayName);
    return true;
}

void UnregisterServerKeys(Registry& registry, const ServerParameters& server, const char* clsidText) {
    const KeyPath handlerPath = HandlerKeyPath(server);
    if (handlerPath.fits()) registry.DeleteKey(Registry::Root::LocalMachine, handlerPath.text());
    {
        ScopedKey approved(registry,
                           registry.Open(Registry::Root::LocalMachine, KB_REG_SHELLEX_APPROVED, Registry::Access::All));
        if (approved) registry.DeleteValue(approved.get(), clsidText);
    }
    const KeyPath inprocPath(ClassKeyPath(clsidText).text(), "\\InprocServer32");
    if (inprocPath.fits()) registry.DeleteKey(Registry::Root::ClassesRoot, inprocPath.text());
    const KeyPath classPath = ClassKeyPath(clsidText);
    if (classPath.fits()) registry.DeleteKey(Registry::Root::ClassesRoot, classPath.text());
}

}  // namespace sheetext
