// Stands in for Control.exe in the test of the tray's launches: a program slow to become ready
// for input. It makes a window (a process with one is what a waiting launcher waits for), says
// that it started, and without taking a message waits up to 20 s for the test to let it go; it
// says when it was let go. The three events are the test's (tray_launch_events.h).
#include <windows.h>

#include "trayicon/tests/wine/tray_launch_events.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const HWND window = CreateWindowExA(0, "STATIC", "unready", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const HANDLE started = OpenEventA(EVENT_MODIFY_STATE, FALSE, kLaunchStartedEvent);
    const HANDLE go = OpenEventA(SYNCHRONIZE, FALSE, kLaunchGoEvent);
    const HANDLE released = OpenEventA(EVENT_MODIFY_STATE, FALSE, kLaunchReleasedEvent);
    if (!window || !started || !go || !released) return 3;
    SetEvent(started);
    if (WaitForSingleObject(go, 20000) != WAIT_OBJECT_0) return 1;
    SetEvent(released);
    return 0;
}
