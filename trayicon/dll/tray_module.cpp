// Loading and unloading the library: the tray window class lives exactly as long as the
// library is mapped into the process.
#include "trayicon/dll/tray_module.h"

#include "common/window_classes.h"
#include "trayicon/dll/tray_window.h"
#include "trayicon/logic/tray_resources.h"

namespace tray {
namespace {

TrayModule g_module;

}  // namespace

TrayModule& Module() {
    return g_module;
}

namespace {

bool RegisterTrayClass(HINSTANCE instance) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = TrayWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(KB_IDI_CLASS_ICON));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(KB_IDI_CLASS_SMALL_ICON),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = KB_CLASS_STATUS_TRAY;
    return RegisterClassExA(&wc) != 0;
}

}  // namespace
}  // namespace tray

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    tray::TrayModule& module = tray::Module();
    if (reason == DLL_PROCESS_ATTACH) {
        if (tray::RegisterTrayClass(instance)) module.instance = instance;
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr && module.instance != nullptr) {
        // Only on FreeLibrary: when the process ends, its classes go with it, and calling
        // into user32 then is not safe.
        UnregisterClassA(KB_CLASS_STATUS_TRAY, module.instance);
        module.instance = nullptr;
    }
    return TRUE;
}
