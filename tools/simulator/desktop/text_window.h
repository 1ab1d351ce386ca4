// A text window of the simulator's own, for the wheel and the wheel button to act on: a
// multi-line edit box with a hundred numbered lines, on a thread of its own with its own message
// loop, so it answers while the session goes on.
#pragma once

#include <windows.h>

namespace sim {

class TextWindow {
public:
    TextWindow() = default;
    ~TextWindow();
    TextWindow(const TextWindow&) = delete;
    TextWindow& operator=(const TextWindow&) = delete;

    // Makes the window and waits until it is there; false when it could not be made.
    bool Open();
    bool is_open() const { return edit_ != nullptr; }
    // Brings it to the foreground with the focus in the text and puts the pointer on it.
    void Activate();
    // The first line shown (1-based), as the edit box says.
    int FirstVisibleLine() const;
    POINT Centre() const;

private:
    static DWORD WINAPI Run(void* self);

    HANDLE thread_ = nullptr;
    HANDLE ready_ = nullptr;
    DWORD thread_id_ = 0;
    HWND frame_ = nullptr;
    HWND edit_ = nullptr;
};

}  // namespace sim
