// What a settings server hands the frame: its class id, its registry names and the extension
// object it builds. Each server defines kServer once; the frame's exports, class factory and
// registration read it.
#pragma once

#include <windows.h>

#include "sheetext/logic/registration.h"

namespace sheetext {

class CShellExtension;

struct ServerDefinition {
    CLSID clsid;
    ServerParameters names;
    // A new extension object with its pages, holding one reference; null when out of memory.
    CShellExtension* (*create_extension)();
};

extern const ServerDefinition kServer;

}  // namespace sheetext
