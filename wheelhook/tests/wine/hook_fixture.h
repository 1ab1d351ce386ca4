// What the Wine tests of the wheel hook share: the settings in the registry, a frame with a
// list box that has the focus, the hooks installed by the real library, injected input, a
// message pump that writes down the posted messages it takes off the queue, and the marker
// that ends the wait for what one notch posted.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "wheelhook/tests/wine/wheel_marker.h"

namespace wheeltest {

struct Posted {
    HWND window;
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
};

// The wheel settings key, emptied before a test and removed after it.
void WriteWheelSetting(const char* name, DWORD value);
void DeleteWheelSettings();
// All seven values written: the shared settings outlive a test (a missing value leaves a field
// as it was), in this process and in any other that maps the library meanwhile.
void WriteBaselineSettings();
void BroadcastSettingsChange();

// Injected input, as a driver or the agent's reader thread would make it.
void InjectWheel(int delta);
void InjectButtons(DWORD flags);
void InjectMoveTo(int x, int y);

// Pumps this thread's messages until `done` holds or `timeout_ms` passes, then a little longer
// so that messages arriving late are seen too. Returns whether `done` held.
bool PumpUntil(const std::function<bool()>& done, DWORD timeout_ms = 3000);
void PumpFor(DWORD ms);

class WheelHookTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Installs the hooks, and the wheel marker after them.
    void Install();
    // The posted scroll messages the list box received, in order.
    std::vector<Posted> ScrollPosts() const;
    // Injects one notch and returns the scroll messages it posted, all of them: the wait ends
    // with the wheel marker.
    std::vector<Posted> ScrollPostsAfterNotch(int delta);
    // Posts the marker itself (after a direct call that posts) and waits for it to arrive;
    // false when it didn't.
    bool PostMarkerAndWait();
    // Waits for the marker; false when it didn't come.
    bool WaitForMarker();
    void ClearSeen();

    HWND frame_ = nullptr;
    HWND list_ = nullptr;
    bool installed_ = false;
    WheelMarker marker_;
};

// Every message the pump took off the queue since the last ClearSeen.
const std::vector<Posted>& Seen();

HWND ZoomWindow();

// Runs wheelhook_peer.exe with `arguments` and returns its exit code (fixtures::kNotRun if it
// didn't run or end).
DWORD RunPeer(const std::string& arguments);

// The test program's folder for files of its own, with its trailing backslash.
std::string TempPath();

// A visible popup window of a class that takes double clicks, for input to land on.
HWND CreateTargetWindow(int x, int y, int width, int height);

// Whether the pump took `message` for `window` off the queue since the last ClearSeen.
bool SawMessage(HWND window, UINT message);

}  // namespace wheeltest
