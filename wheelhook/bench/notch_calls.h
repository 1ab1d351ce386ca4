// The Win32 calls ProcWheel's decision makes for one notch, made directly, one after another,
// each timed: the floor of the hook's own work for a notch, and the account of where a
// notch's time goes.
#pragma once

#include <windows.h>

enum NotchCall {
    kForegroundWindow,  // GetForegroundWindow
    kAgentThread,       // GetWindowThreadProcessId of the agent's window
    kForegroundThread,  // GetWindowThreadProcessId of the foreground window
    kAttach,            // AttachThreadInput(TRUE)
    kFocus,             // GetFocus
    kDetach,            // AttachThreadInput(FALSE), made only after an attach that succeeded
    kShiftState,        // GetKeyState(VK_SHIFT)
    kClassName,         // GetClassNameA of the focus
    kStyle,             // GetWindowLongA(GWL_STYLE) of the focus
    kParent,            // GetParent of the focus
    kIsWindow,          // IsWindow of the target
    kPosts,             // PostMessageA of WM_VSCROLL, once a line
    kNotchCallCount
};

// How each call is named in the results.
extern const char* const kNotchCallNames[kNotchCallCount];

struct NotchCalls {
    double total_us = 0;                 // the calls together, one after another
    double call_us[kNotchCallCount] = {};
    bool attached = false;               // the attach succeeded (so the detach was made)
};

// One vertical notch of `lines` lines from the thread of `agent_window`, for a focus window
// with WS_VSCROLL: the decision makes no scroll-bar search for it, and neither does this.
// `direction` is the scroll code posted.
NotchCalls MakeNotchCalls(HWND agent_window, int lines, WPARAM direction);
