#include "agent/win32/window_classes.h"

#include "agent/logic/agent_ids.h"
#include "common/window_classes.h"

namespace {

WNDCLASSEXA AgentClass(HINSTANCE instance, const char* name, WNDPROC procedure, HBRUSH background) {
    WNDCLASSEXA window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.style = CS_HREDRAW | CS_VREDRAW;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    window_class.hbrBackground = background;
    window_class.lpszClassName = name;
    return window_class;
}

}  // namespace

bool RegisterAgentClasses(HINSTANCE instance) {
    WNDCLASSEXA main_class =
        AgentClass(instance, KB_CLASS_AGENT_MAIN, MainWindowProc, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    main_class.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(KB_IDI_AGENT));
    main_class.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(KB_IDI_AGENT_SMALL));
    main_class.lpszMenuName = MAKEINTRESOURCEA(KB_IDR_AGENT_MENU);
    if (!RegisterClassExA(&main_class)) return false;

    const HBRUSH light_grey = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    const WNDCLASSEXA popup_class = AgentClass(instance, KB_CLASS_AGENT_POPUP, PopupWindowProc, light_grey);
    if (!RegisterClassExA(&popup_class)) {
        UnregisterClassA(KB_CLASS_AGENT_MAIN, instance);
        return false;
    }
    const WNDCLASSEXA select_class = AgentClass(instance, KB_CLASS_MEDIA_SELECT, SelectWindowProc, light_grey);
    if (!RegisterClassExA(&select_class)) {
        UnregisterClassA(KB_CLASS_AGENT_POPUP, instance);
        UnregisterClassA(KB_CLASS_AGENT_MAIN, instance);
        return false;
    }
    return true;
}
