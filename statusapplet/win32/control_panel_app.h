// What every Control Panel applet library has: its entries (CControlPanelApplet) and the
// application object that holds them and answers the messages the Control Panel sends
// through CPlApplet (CControlPanelApp). A library derives its own application object and
// makes its entries in CreateApplets.
#pragma once

#include <windows.h>

#include <cpl.h>

namespace applet {

// Shows an entry's dialog, modal to the Control Panel's window; returns once it is closed.
// start_page is the page the Control Panel asked for, counted from 0.
using DialogRunner = void (*)(HINSTANCE instance, HWND parent, int start_page);

// One entry of the Control Panel.
class CControlPanelApplet {
public:
    CControlPanelApplet() = default;
    CControlPanelApplet(int icon_id, int name_id, int info_id, DialogRunner run_dialog)
        : icon_id_(icon_id), name_id_(name_id), info_id_(info_id), run_dialog_(run_dialog) {}

    // CPL_INQUIRE: the entry's resources, and `data` for the Control Panel to hand back.
    void Inquire(LONG_PTR data, CPLINFO* info) const;
    void SetStartPage(int page) { start_page_ = page; }
    void Open(HINSTANCE instance, HWND parent) const { run_dialog_(instance, parent, start_page_); }

private:
    int icon_id_ = 0;
    int name_id_ = 0;
    int info_id_ = 0;
    DialogRunner run_dialog_ = nullptr;
    int start_page_ = 0;
};

class CControlPanelApp {
public:
    // The answer to one message of the Control Panel.
    LONG Answer(HINSTANCE instance, HWND panel, UINT message, LPARAM lParam1, LPARAM lParam2);

protected:
    CControlPanelApp() = default;
    ~CControlPanelApp() = default;
    CControlPanelApp(const CControlPanelApp&) = delete;
    CControlPanelApp& operator=(const CControlPanelApp&) = delete;

    // CPL_INIT: the library makes its entries with AddApplet. They are kept in the application
    // object itself, from CPL_INIT to CPL_EXIT.
    virtual void CreateApplets() = 0;
    void AddApplet(const CControlPanelApplet& applet);

private:
    static constexpr int kMaxApplets = 4;

    // The entry a message names, or null when the index lies outside the list.
    CControlPanelApplet* AppletAt(LPARAM index);
    LONG AnswerForApplet(CControlPanelApplet& applet, HINSTANCE instance, HWND panel, UINT message, LPARAM lParam2);

    CControlPanelApplet applets_[kMaxApplets];
    int count_ = 0;
};

}  // namespace applet
