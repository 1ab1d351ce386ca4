// A tray window of the test's own (class "OVSKYRELSTATUSTRAYZRK"), made before the agent starts
// so that the agent finds it and posts its tray messages here; and a low-level mouse hook that
// records the wheel steps reaching this desktop. Both are served by the messages the test's
// thread pumps (tools/fixtures/message_pump.h).
#pragma once

#include <windows.h>

#include <vector>

namespace agenttest {

struct TrayMessage {
    UINT message;
    WPARAM wParam;
};

class TestTray {
public:
    TestTray();
    ~TestTray();
    TestTray(const TestTray&) = delete;
    TestTray& operator=(const TestTray&) = delete;

    HWND window() const { return window_; }
    const std::vector<TrayMessage>& messages() const { return messages_; }
    int Count(UINT message) const;
    void Clear() { messages_.clear(); }
    // Takes the last `message` off the record; false when there is none.
    bool TakeLast(UINT message);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::vector<TrayMessage> messages_;
};

// Wheel deltas (signed high word of mouseData) of the wheel events seen while it exists.
class WheelRecorder {
public:
    WheelRecorder();
    ~WheelRecorder();
    bool installed() const { return hook_ != nullptr; }
    const std::vector<int>& deltas() const;

private:
    HHOOK hook_;
};

}  // namespace agenttest
