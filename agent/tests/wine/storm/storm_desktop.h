// The desktop the message storm blows over: the real keyagent.exe with its popup, media-select,
// tray and zoom windows; the status applet's dialog in Wine's own control.exe; and the pages of
// the Keyboard and Mouse control panels, found by shell32 and shown in a sheet of a process of
// their own. Every window lives in another process than the test.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "agent/tests/wine/storm/storm_messages.h"
#include "tools/fixtures/agent_process.h"
#include "tools/fixtures/thread_hook.h"

struct StormTarget {
    std::string name;
    StormTargetKind kind;
    HWND window;
    HANDLE process;  // owned by the desktop
};

class StormDesktop {
public:
    StormDesktop() = default;
    // Closes what it opened and unregisters the settings servers.
    ~StormDesktop();
    StormDesktop(const StormDesktop&) = delete;
    StormDesktop& operator=(const StormDesktop&) = delete;

    // Starts everything and puts the marker's hook on each window's thread; false with the
    // reason in `error` when something did not come up.
    bool Open(std::string* error);
    const std::vector<StormTarget>& targets() const { return targets_; }

    // Waits until `target`'s thread has taken everything posted to it so far; false when its
    // process ended or the thread did not get there within the limit.
    bool Settled(const StormTarget& target);
    // Every process alive and every window answering.
    bool AllAnswer(std::string* error) const;

private:
    bool OpenAgent(std::string* error);
    bool OpenApplet(std::string* error);
    bool OpenPanel(const char* panel, std::string* error);
    HANDLE StartProgram(const std::string& command, const std::string& folder);
    void Add(const std::string& name, StormTargetKind kind, HWND window, HANDLE process);

    agenttest::AgentProcess agent_;
    std::vector<HANDLE> others_;  // control.exe and the two sheets
    HWND applet_ = nullptr;
    std::vector<HWND> sheets_;
    std::vector<StormTarget> targets_;
    std::vector<std::unique_ptr<ThreadHook>> hooks_;
    std::vector<std::string> registered_;
    unsigned long markers_ = 0;
};
