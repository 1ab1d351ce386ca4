// The status applet as a user opens it: "control.exe skyrel.cpl" (the Control Panel of the
// platform), its dialog found by its title, read and clicked from outside like a user would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace sim {

class AppletWindow {
public:
    AppletWindow() = default;
    ~AppletWindow();
    AppletWindow(const AppletWindow&) = delete;
    AppletWindow& operator=(const AppletWindow&) = delete;

    // Starts control.exe with skyrel.cpl from the program's folder and waits for the dialog;
    // false with the reason in `error` when it did not come.
    bool Open(std::string* error);
    bool is_open() const { return dialog_ != nullptr && IsWindow(dialog_); }
    // What the dialog shows, in words: the linked devices, the chosen one's CH and ID, the lock.
    std::vector<std::string> Describe() const;
    // Clicks the Lock box when it is not ticked as asked; false when the box is disabled.
    bool ClickLockTo(bool ticked);
    bool LockTicked() const;
    // The Close button, and the end of control.exe.
    bool Close();
    HWND dialog() const { return dialog_; }

private:
    HANDLE process_ = nullptr;
    HWND dialog_ = nullptr;
};

}  // namespace sim
