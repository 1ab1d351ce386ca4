// agent_gui_counter.dll: the GDI and USER object counter put into the agent's process by a
// message hook on its user-interface thread; as it loads, it counts what keyagent.exe,
// trayicon.dll and wheelhook.dll make and free. Never shipped.
#include <windows.h>

#include "agent/bench/gui_object_counter.h"

// The hook that brings the DLL into the agent: it only passes every message on.
extern "C" __declspec(dllexport) LRESULT CALLBACK GuiCounterHook(int code, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    // Only in the agent: the soak loads the DLL too, to hand it to SetWindowsHookExA.
    if (reason == DLL_PROCESS_ATTACH && GetModuleHandleA("keyagent.exe")) {
        gui_counter::StartCounting();
        gui_counter::CountObjectsOf(GetModuleHandleA(nullptr));
        gui_counter::CountObjectsOf(GetModuleHandleA("trayicon.dll"));
        gui_counter::CountObjectsOf(GetModuleHandleA("wheelhook.dll"));
    }
    return TRUE;
}
