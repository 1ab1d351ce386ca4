// What a settings server writes to make itself a property-sheet handler of its control-panel
// applet, and what it takes away again. Portable: the steps run against reg::Registry.
#pragma once

#include <cstddef>

#include "registry/logic/registry.h"

namespace sheetext {

// What sets one server apart from the other in the registry.
struct ServerParameters {
    const char* applet;       // the applet's key below "Controls Folder", e.g. "Keyboard"
    const char* display_name;  // the CLSID key's default value and the handler key's name
};

// Room for "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" and its terminating zero.
constexpr std::size_t kClsidTextSize = 39;
// Room for the longest key path the servers write, and for a module path of 260 characters.
constexpr std::size_t kKeyPathSize = 272;

// The class id text in braces, from the bare text that the RPC runtime makes of a UUID.
// False when `bare` is not 36 characters.
bool BraceClsidText(const char* bare, char (&text)[kClsidTextSize]);

// The CLSID key, the handler key, and the InprocServer32 default (the module's path, in lower
// case) and "ThreadingModel"; then the approval. False, with nothing written, when the CLSID
// key can't be created; a later failure skips only its own write.
bool RegisterServerKeys(reg::Registry& registry, const ServerParameters& server, const char* clsid_text,
                        const char* module_path);

// Removes what RegisterServerKeys writes; steps that fail are passed over.
void UnregisterServerKeys(reg::Registry& registry, const ServerParameters& server, const char* clsid_text);

}  // namespace sheetext
