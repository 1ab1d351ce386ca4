// The desktop around the receiver for a session that shows the whole system: the real
// keyagent.exe (with wheelhook.dll and trayicon.dll), the stand-in application windows, a text
// window for the wheel, the status applet in control.exe, the settings the pages would write,
// and pictures of the screen. After every step it looks at the system from outside, as a user
// would, and says what changed: the agent's new log lines, what reached the stand-in windows,
// the popup, Media Select and zoom windows, the applet, the filter's status table.
#pragma once

#include <memory>
#include <string>

#include "tools/simulator/client/agent_watch.h"
#include "tools/simulator/desktop/agent_log_view.h"
#include "tools/simulator/desktop/applet_window.h"
#include "tools/simulator/desktop/control_panel.h"
#include "tools/simulator/desktop/panel_values.h"
#include "tools/simulator/desktop/popup_view.h"
#include "tools/simulator/desktop/saved_settings.h"
#include "tools/simulator/desktop/screen_pictures.h"
#include "tools/simulator/desktop/standin_apps.h"
#include "tools/simulator/desktop/status_table_view.h"
#include "tools/simulator/desktop/text_window.h"
#include "tools/simulator/desktop/tray_icons.h"
#include "tools/simulator/desktop/words.h"
#include "tools/simulator/script/demo_page.h"
#include "tools/simulator/script/session_script.h"

namespace sim {

class DesktopPlayer {
public:
    // pictures: the folder of the pictures and the page (a Windows path), or empty for none.
    explicit DesktopPlayer(std::string pictures);
    ~DesktopPlayer();

    static bool Handles(StepKind kind);
    // Plays one desktop step; what it did goes to `said`. False when the step failed.
    bool Run(const Step& step, Lines* said);
    // What changed on the desktop since the last look, after `step` (played by either player).
    void Observe(const Step& step, Lines* said);
    // A picture of the screen as the last look saw it (ScreenPictures says when one is taken):
    // true with the file's name (in the picture folder) and its caption.
    bool TakePicture(const Step& step, bool screenshot_follows, std::string* name, std::string* caption) {
        return pictures_.Take(step, screenshot_follows, screen_, name, caption);
    }
    // The popup alone, when the last look found it showing something new: true with the file's
    // name and its caption, once.
    bool TakePopupPicture(std::string* name, std::string* caption) { return popup_.TakePicture(name, caption); }
    bool agent_running() const { return agent_ && agent_->running(); }
    // Writes the page; its path, or empty when no picture folder was given or it failed.
    std::string WritePage(const DemoPage& page) const { return pictures_.WritePage(page); }

private:
    bool StartApps(const Step& step, Lines* said);
    bool StartAgent(Lines* said);
    bool StopAgent(Lines* said);
    bool Open(const Step& step, Lines* said);
    bool OpenPanel(const Step& step, Lines* said);
    bool Close(const Step& step, Lines* said);
    bool ClosePanel(const Step& step, Lines* said);
    bool Pick(const Step& step, Lines* said);
    bool Lock(const Step& step, Lines* said);
    void ObserveAgentAndApps(Lines* said);
    void ObserveScreen(Lines* said);

    ScreenPictures pictures_;
    bool desktop_used_;  // pictures are wanted, or a desktop step ran
    // Destroyed last: the programs of the session have ended before their settings go back.
    SavedSettings settings_;
    std::unique_ptr<AgentWatch> agent_;
    AgentLogView agent_log_;
    StandinApps apps_;
    TextWindow text_;
    AppletWindow applet_;
    ControlPanel panel_;
    PanelValues panel_values_;
    PopupView popup_;
    StatusTableView status_table_;
    std::unique_ptr<TrayIcons> tray_;  // made at the first look at the screen
    capture::Pixels screen_;           // as the last look saw it
    std::string last_select_, last_zoom_, last_applet_, last_tray_;
};

}  // namespace sim
