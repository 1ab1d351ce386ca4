// A window of the agent popup's class "OVRFPOPUPZRK" on a thread of its own, as the agent's
// would be in its own process. It keeps every message another thread sends or posts to it,
// and, for each WM_WININICHANGE, which settings keys existed when it arrived.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

namespace kp_test {

struct ReceivedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::vector<std::string> keys_then;  // the subkeys of "ZI Dodoveda" at that moment, sorted
};

class PopupStandIn {
public:
    PopupStandIn();
    ~PopupStandIn();
    PopupStandIn(const PopupStandIn&) = delete;
    PopupStandIn& operator=(const PopupStandIn&) = delete;

    HWND window() const { return window_; }
    std::vector<ReceivedMessage> Received() const;

private:
    static DWORD WINAPI Run(void* self);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Keep(UINT message, WPARAM wParam, LPARAM lParam);

    HANDLE thread_ = nullptr;
    HANDLE ready_ = nullptr;
    HWND window_ = nullptr;
    mutable std::mutex mutex_;
    std::vector<ReceivedMessage> received_;
};

}  // namespace kp_test
