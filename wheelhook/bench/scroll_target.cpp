#include "wheelhook/bench/scroll_target.h"

namespace {

constexpr int kRows = 200;

}  // namespace

ScrollTarget::ScrollTarget() {
    thread_ = CreateThread(nullptr, 0, Run, this, 0, &thread_id_);
    if (thread_) WaitForSingleObject(started_, 10000);
}

ScrollTarget::~ScrollTarget() {
    if (thread_) {
        PostThreadMessageA(thread_id_, WM_QUIT, 0, 0);
        WaitForSingleObject(thread_, 10000);
        CloseHandle(thread_);
    }
    CloseHandle(started_);
    CloseHandle(reached_);
}

DWORD WINAPI ScrollTarget::Run(LPVOID self) {
    static_cast<ScrollTarget*>(self)->Loop();
    return 0;
}

void ScrollTarget::Loop() {
    frame_ = CreateWindowExA(0, "STATIC", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, nullptr,
                             nullptr, nullptr, nullptr);
    list_ = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 10, 10, 200, 150, frame_, nullptr,
                            nullptr, nullptr);
    if (list_) {
        for (int i = 0; i < kRows; ++i) SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("row"));
        SetForegroundWindow(frame_);
        SetFocus(list_);
        ready_ = GetForegroundWindow() == frame_ && GetFocus() == list_;
    }
    SetEvent(started_);
    // The scroll messages are counted, not dispatched: the list box scrolling and repainting on
    // this thread would keep the same server busy as the calls the benchmark times.
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd != list_ || msg.message != WM_VSCROLL) DispatchMessageA(&msg);
        else if (InterlockedIncrement(&scrolls_) >= target_) SetEvent(reached_);
    }
    if (frame_) DestroyWindow(frame_);
}

// Takes this thread's messages each time round, even when none waits: a thread that has taken
// none for 5 s counts as hung to Wine, which then lets input pass its low-level hook by.
bool ScrollTarget::WaitForScrolls(LONG count, DWORD ms) {
    target_ = count;
    const DWORD deadline = GetTickCount() + ms;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        if (scrolls_ >= count) return true;
        const DWORD now = GetTickCount();
        if (static_cast<LONG>(deadline - now) <= 0) return false;
        MsgWaitForMultipleObjects(1, &reached_, FALSE, deadline - now, QS_ALLINPUT);
    }
}
