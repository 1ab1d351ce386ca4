// A helper thread that works the modal dialogs of the test's thread while that thread sits in
// their message loops: it waits for a dialog, acts on it as a user would, and, should the
// script fail, cancels every dialog still open so that the test thread gets back.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace kp_test {

class ModalDriver {
public:
    // The script runs at once on its own thread; it returns false, after Fail, when it could
    // not do what it meant to.
    explicit ModalDriver(std::function<bool(ModalDriver&)> script);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    // Waits for the script to end; true when it did all it meant to, else `failure` says why.
    bool Finish();
    const std::string& failure() const { return failure_; }

    // For the script. A visible dialog of the test's thread with this title (and this owner,
    // when one is given), waited for with a generous bound; null, with a failure, if none came.
    HWND WaitForDialog(const char* title, HWND owner = nullptr);
    // A dialog owned by `owner`, whatever its title: a message box of the file dialog.
    HWND WaitForDialogOwnedBy(HWND owner);
    // Waits, with the same bound, for a dialog to close; false, with a failure, if it stays.
    bool WaitUntilClosed(HWND dialog);
    // A click on a button whose handler opens another modal dialog must not wait for it.
    void PostClick(HWND dialog, int control);
    // Replaces an edit's text as typing over a selection of all of it does.
    void Retype(HWND dialog, int control, const std::string& text);
    // The file dialog's name box gets the path, and its Open button a click.
    bool ChooseFile(HWND file_dialog, const std::string& path);
    bool Fail(const std::string& why);

private:
    static DWORD WINAPI Run(void* self);
    HWND WaitFor(const std::function<bool(HWND)>& wanted, const std::string& what);
    void CancelEveryDialog();

    std::function<bool(ModalDriver&)> script_;
    DWORD test_thread_;
    HANDLE thread_ = nullptr;
    bool succeeded_ = false;
    std::string failure_;
};

}  // namespace kp_test
