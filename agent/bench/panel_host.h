// The soak's panel host, soak_panel_host.exe: one long-lived process that, round after round,
// opens the status applet through CPlApplet and the Keyboard and Mouse control panels' pages
// through shell32's property-sheet handler array, changes a setting in each, applies and closes.
// The soak holds it at a round's start to measure it, and whenever no agent reads the filter:
// the applet's open handle would count as a reader and keep the keys fed then from Windows.
#pragma once

#include <windows.h>

#include "agent/bench/gui_counter_client.h"

// What the host publishes of its rounds.
struct PANEL_HOST_RECORD {
    volatile LONG Rounds;        // rounds in which every step did what it should
    volatile LONG FailedRounds;  // rounds in which a step did not
    volatile LONG KeptHandlers;  // handler objects shell32 kept after their sheet, let go by the host
    char LastFailure[128];       // the last step that did not, in words
};

constexpr char kPanelHostProgram[] = "soak_panel_host.exe";
constexpr char kPanelHostRecord[] = "KbSoakPanelHostRecord";
constexpr char kPanelHostRun[] = "KbSoakPanelHostRun";    // set: rounds go on; reset: hold at the next start
constexpr char kPanelHostHeld[] = "KbSoakPanelHostHeld";  // set by the host while it holds
constexpr char kPanelHostStop[] = "KbSoakPanelHostStop";  // set: the host ends

// The soak's side: makes the objects above, starts the host and holds, resumes and stops it.
class PanelHost {
public:
    PanelHost();
    // Stops the host if it still runs.
    ~PanelHost();
    PanelHost(const PanelHost&) = delete;
    PanelHost& operator=(const PanelHost&) = delete;

    // Starts the host, which runs rounds at once; true once it counts its GDI and USER objects.
    bool Start();
    // Asks the host to hold at its next round's start; Held() tells when it does. While it holds
    // no round runs and none starts.
    void RequestHold() { ResetEvent(run_); }
    bool Held() const { return WaitForSingleObject(held_, 0) == WAIT_OBJECT_0; }
    void Resume() { SetEvent(run_); }
    // Ends the host; true when it ended by itself with 0.
    bool Stop();

    HANDLE process() const { return process_; }
    const GuiObjectCounter& counter() const { return counter_; }
    LONG rounds() const { return record_ ? record_->Rounds : 0; }
    LONG failed_rounds() const { return record_ ? record_->FailedRounds : 0; }
    const char* last_failure() const { return record_ ? record_->LastFailure : ""; }
    LONG kept_handlers() const { return record_ ? record_->KeptHandlers : 0; }

private:
    HANDLE mapping_ = nullptr;
    PANEL_HOST_RECORD* record_ = nullptr;
    HANDLE run_ = nullptr;
    HANDLE held_ = nullptr;
    HANDLE stop_ = nullptr;
    HANDLE process_ = nullptr;
    GuiObjectCounter counter_;
};
