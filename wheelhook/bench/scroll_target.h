// The window a wheel notch scrolls in the benchmark: a list box with WS_VSCROLL in a frame of
// its own thread, foreground and with the focus, as an application's would be; the hook runs on
// another thread, the agent's. The thread takes the list box's WM_VSCROLL messages off its queue
// and counts them.
#pragma once

#include <windows.h>

class ScrollTarget {
public:
    ScrollTarget();
    ~ScrollTarget();
    ScrollTarget(const ScrollTarget&) = delete;
    ScrollTarget& operator=(const ScrollTarget&) = delete;

    // The frame is the foreground window and the list box has the focus.
    bool ready() const { return ready_; }
    HWND list() const { return list_; }
    // The scroll messages taken so far.
    LONG scrolls() const { return scrolls_; }

    // Waits until `count` scroll messages have been taken, pumping this thread's own messages
    // meanwhile (the agent's thread runs the low-level hook while it pumps). False when they
    // did not come within `ms`.
    bool WaitForScrolls(LONG count, DWORD ms);

private:
    static DWORD WINAPI Run(LPVOID self);
    void Loop();

    HANDLE thread_ = nullptr;
    DWORD thread_id_ = 0;
    HANDLE started_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE reached_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HWND frame_ = nullptr;
    HWND list_ = nullptr;
    bool ready_ = false;
    volatile LONG scrolls_ = 0;
    volatile LONG target_ = 0;
};
