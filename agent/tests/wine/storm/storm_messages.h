// The messages of the storm: what each of our windows is sent and posted, drawn from a seeded
// generator. Every window gets the private messages, the message numbers it handles and
// WM_COMMAND with random ids, with random numbers in wParam and lParam.
//
// Left out, because they legitimately act or end something, or are not ours to fuzz:
// - WM_CLOSE, WM_DESTROY, WM_QUIT, WM_QUERYENDSESSION, WM_ENDSESSION: they end a window or the
//   session; and WM_TIMER with a callback (its lParam would be called): every WM_TIMER carries 0.
// - messages whose lParam Wine marshals as a pointer: WM_CREATE, WM_WININICHANGE, WM_NOTIFY,
//   WM_DRAWITEM, WM_MEASUREITEM, WM_COPYDATA, and WM_DEVICECHANGE events with bit 15 set, sent
//   (their record would be read in the sender); posted, the platform refuses them.
// - the agent's exit and restart commands (105, 32771) and its restart prompt's timer (118,
//   whose prompt waits for the user); the tray's commands (100 closes it, 101 and 102 start
//   the control panels);
// - OK, Cancel and Apply of the dialogs and pages, and the buttons that open another dialog
//   (the hot-key page's Select 1024, the Select dialog's Browse 1026);
// - the tray's click notifications (0x203 opens the applet, 0x204 its menu), the media-select
//   window's choice (Enter, a double click on its list), which starts a player;
// - hot-key codes 1 to 23 and 50: they start programs or the Power action.
#pragma once

#include <windows.h>

#include <cstdint>
#include <random>
#include <string>

enum class StormTargetKind { AgentMain, Popup, MediaSelect, Tray, Zoom, Applet, Page };

struct StormMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool post;  // posted, else sent
};

std::string Describe(const StormMessage& message);

class StormMessages {
public:
    explicit StormMessages(uint64_t seed) : random_(seed) {}
    // The next message for a window of this kind, never one of those left out.
    StormMessage Next(StormTargetKind kind);

private:
    uint64_t Number();
    StormMessage Draw(StormTargetKind kind);

    std::mt19937_64 random_;
};
