// The real keyagent.exe with the settings a popup or volume test chose, a tray of the test's
// own, and the mixer probe on its user-interface thread: the test posts hot keys and reads the
// agent's master volume, mute, log and popup window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <memory>
#include <vector>

#include "agent/tests/wine/test_tray.h"
#include "tools/fixtures/thread_hook.h"
#include "common/private_messages.h"
#include "tools/fixtures/agent_process.h"

namespace agenttest {

struct MixerReading {
    bool found;  // the agent's process sees a master line with volume and mute
    uint32_t volume;
    uint32_t mute;
};

// The "Display" settings the agent starts with: every popup group on, display time `delay`.
void WriteDisplaySettings(uint32_t delay);

class PopupAgent {
public:
    PopupAgent() = default;
    ~PopupAgent();
    PopupAgent(const PopupAgent&) = delete;
    PopupAgent& operator=(const PopupAgent&) = delete;

    // Starts the agent and waits for its creation to end; then sets the probe on its thread.
    bool Start();
    HWND main_window() const { return main_; }
    HWND popup() const { return popup_; }
    TestTray& tray() { return tray_; }

    void PostHotKey(WPARAM code) { PostMessageA(main_, WM_AGENT_HOTKEY, code, 0); }
    void PostKeyCode(WPARAM code) { PostMessageA(main_, WM_AGENT_KEYCODE, code, 0); }

    // Orders to the probe, carried out in turn with the hot keys posted around them.
    void SetVolume(uint32_t value);
    void SetMute(uint32_t value);
    // Wine's 32-bit world reads some volumes back one below what was written
    // (docs/wine-notes.md): sets the first of `value`, value + 1, value + 2 that reads back as
    // `value`; false if none does.
    bool SetVolumeExactly(uint32_t value);
    // Waits for the probe's report of everything posted before it.
    MixerReading Read();

    // The values of the log's "Vol = %d" lines, oldest first.
    std::vector<uint32_t> LoggedLevels() const;
    // Waits until everything posted so far was handled and the popup, shown, has painted.
    bool WaitForPopupPainted();

private:
    void PostProbe(WPARAM order, LPARAM value) { PostMessageA(main_, probe_message_, order, value); }

    TestTray tray_;
    AgentProcess agent_;
    HWND main_ = nullptr;
    HWND popup_ = nullptr;
    std::unique_ptr<ThreadHook> probe_;
    UINT probe_message_ = 0;
    uint32_t serial_ = 0;
};

}  // namespace agenttest
