// The three reader threads: "\\.\UOVKBFTR" (hot-key codes), "\\.\LVXNFLTR" (keyboard activity)
// and "\\.\UVXNFLTR" (the hot-key filter's events). They hand everything to the user-interface
// thread with PostMessageA. A read its device refuses is tried again, and the log is told
// (WM_AGENT_READ_REFUSED).
//
// Every device is opened for overlapped I/O, so that each wait of a reader (a read, a status
// request, the pause between two opens) also ends when the context's stop event is set: the
// readers then cancel their own read and end by themselves. Killing a thread instead could leave
// the heap or the loader lock held by a dead thread and hang the process as it exits.
#pragma once

#include <windows.h>

#include "agent/win32/agent_state.h"

// The device of reader 1, 2 or 3; null for any other number.
const char* ReaderDevicePath(WPARAM reader);

// Opens a filter device as the readers use it; INVALID_HANDLE_VALUE when it is missing.
HANDLE OpenReaderDevice(const char* path);

// Creates the stop event and starts the three readers (each created suspended, then resumed);
// a reader that can't be created is simply missing.
void StartReaders(AgentState& agent);

// Sets the stop event and waits, at most kReaderStopLimitMs, for every reader to end; then
// closes the threads and the device handles the readers used.
constexpr DWORD kReaderStopLimitMs = 2000;
void StopReaders(AgentState& agent);
