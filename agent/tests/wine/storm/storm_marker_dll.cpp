// The storm's marker: a WH_GETMESSAGE hook in the stormed window's process that sets the named
// event of each marker message as it leaves the queue.
#include <windows.h>

#include <cstdio>

#include "agent/tests/wine/storm/storm_marker.h"

extern "C" __declspec(dllexport) LRESULT CALLBACK StormMarkerHook(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT marker = RegisterWindowMessageA(KB_STORM_MARKER_MESSAGE);
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == marker) {
        char name[64];
        std::snprintf(name, sizeof name, KB_STORM_MARKER_EVENT, static_cast<unsigned long>(message->wParam));
        if (HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, name)) {
            SetEvent(event);
            CloseHandle(event);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
