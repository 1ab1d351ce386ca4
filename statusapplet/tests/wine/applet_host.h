// A host of our own for the real skyrel.cpl: it loads the library into the test process and
// sends it the Control Panel's messages as the Control Panel does. Its dialog runs modally on a
// thread of its own (CPL_DBLCLK does not return while the dialog is open), so the test thread
// can find it and drive it through its controls.
#pragma once

#include <windows.h>

#include <cpl.h>

#include "tools/winetest/test_support.h"

namespace applet_test {

class AppletLibrary {
public:
    AppletLibrary();
    ~AppletLibrary();
    AppletLibrary(const AppletLibrary&) = delete;
    AppletLibrary& operator=(const AppletLibrary&) = delete;

    bool loaded() const { return entry_ != nullptr; }
    HMODULE module() const { return module_; }
    // One Control Panel message, from `panel`.
    LONG Send(UINT message, LPARAM lParam1 = 0, LPARAM lParam2 = 0, HWND panel = nullptr) const;

private:
    HMODULE module_ = nullptr;
    APPLET_PROC entry_ = nullptr;
};

// The status dialog, opened as the Control Panel opens it: CPL_INIT, CPL_GETCOUNT, CPL_INQUIRE,
// then CPL_DBLCLK on a thread of its own. Closed with its Close button on destruction, then
// CPL_STOP and CPL_EXIT.
class OpenDialog {
public:
    explicit OpenDialog(const AppletLibrary& library);
    ~OpenDialog();
    OpenDialog(const OpenDialog&) = delete;
    OpenDialog& operator=(const OpenDialog&) = delete;

    // Null when the dialog did not appear within the wait limit.
    HWND window() const { return window_; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    DWORD thread_id() const { return thread_id_; }

    // Presses "&Close" and waits for CPL_DBLCLK to return; true when it returned 0.
    bool Close();

private:
    static DWORD WINAPI RunDialog(void* self);

    const AppletLibrary& library_;
    LONG_PTR data_ = 0;
    HANDLE thread_ = nullptr;
    DWORD thread_id_ = 0;
    HWND window_ = nullptr;
    LONG dblclk_answer_ = -1;
};

// The dialog's own window on a thread, once it has appeared; null after the wait limit.
HWND WaitForStatusDialog(DWORD thread_id);

}  // namespace applet_test
