#include "wheelhook/dll/shared_state.h"

// One copy for every process: the section is marked shared, and its initial contents come
// from the image, so this must stay a constant initialiser (a dynamic one would reset the
// state each time another process maps the library).
WheelSharedState g_shared __attribute__((section(".SHARED"), shared)) = {
    nullptr, nullptr, nullptr,   // hooks
    WM_MOUSEWHEEL,
    "MMFRAME_MAIN",              // the CD player's window class
    0,                           // CD playing
    nullptr, nullptr,            // agent window, zoom window
    {0, 0, 0, 0, 0, 0, 0},       // settings until the first load
    0,                           // zoom open
    nullptr, nullptr,            // desktop icon view, saved foreground
    800, 600,                    // snapshot size
    nullptr,                     // snapshot context
    {0, 0, 0, 0}, {0, 0, 0, 0},  // zoom window rectangle, source square
    kInitialWheelFunctionTable,
};

HINSTANCE g_instance = nullptr;
LaunchCommands g_commands = {};
