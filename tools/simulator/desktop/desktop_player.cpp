#include "tools/simulator/desktop/desktop_player.h"

#include <windows.h>

#include "common/registry_names.h"
#include "tools/simulator/desktop/settings_steps.h"
#include "tools/simulator/desktop/wheel_input.h"
#include "tools/simulator/desktop/window_views.h"

namespace sim {
namespace {

// Long enough for the agent's slowest reply to a key (a browser key's keystrokes take 500 ms)
// and for Wine to put what was drawn on the display.
constexpr DWORD kSettleMs = 700;
constexpr DWORD kAgentSettleMs = 500;

Panel PanelOf(const Step& step) { return step.target == Target::Keyboard ? Panel::Keyboard : Panel::Mouse; }

bool IsPanel(const Step& step) { return step.target == Target::Keyboard || step.target == Target::Mouse; }

}  // namespace

DesktopPlayer::DesktopPlayer(std::string pictures)
    : pictures_(std::move(pictures)), desktop_used_(!pictures_.folder().empty()), popup_(pictures_.folder()) {}

DesktopPlayer::~DesktopPlayer() = default;

bool DesktopPlayer::Handles(StepKind kind) {
    switch (kind) {
    case StepKind::Agent:
    case StepKind::Apps:
    case StepKind::Set:
    case StepKind::Open:
    case StepKind::Close:
    case StepKind::Pick:
    case StepKind::Lock:
    case StepKind::Wheel:
    case StepKind::WheelButton:
    case StepKind::Screenshot:
        return true;
    default:
        return false;
    }
}

bool DesktopPlayer::Run(const Step& step, Lines* said) {
    desktop_used_ = true;
    switch (step.kind) {
    case StepKind::Agent:
        return step.open ? StartAgent(said) : StopAgent(said);
    case StepKind::Apps:
        return StartApps(step, said);
    case StepKind::Set:
        return WriteSetting(step, settings_, said);
    case StepKind::Open:
        return Open(step, said);
    case StepKind::Close:
        return Close(step, said);
    case StepKind::Lock:
        return Lock(step, said);
    case StepKind::Pick:
        return Pick(step, said);
    case StepKind::Wheel:
        return TurnWheel(text_, step.notches, said);
    case StepKind::WheelButton:
        return PressWheelButton(text_, said);
    case StepKind::Screenshot:
        return true;
    default:
        return false;
    }
}

bool DesktopPlayer::StartApps(const Step& step, Lines* said) {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    std::string error;
    if (!apps_.Start(step.words, std::string(folder) + "kbsim-standins.txt", &error)) {
        said->push_back(error);
        return false;
    }
    said->push_back("stand-in applications are ready: " + apps_.Describe());
    return true;
}

bool DesktopPlayer::StartAgent(Lines* said) {
    if (agent_running()) {
        said->push_back("keyagent.exe runs already");
        return false;
    }
    settings_.Keep(KB_REG_SKYREL, KB_VAL_USB_LOCK);
    agent_.reset(new AgentWatch);
    if (!agent_->running()) {
        said->push_back("keyagent.exe did not start (or another agent ran already)");
        agent_.reset();
        return false;
    }
    agent_log_.Restart();
    // Its readers open the devices as their threads start; give them that moment.
    Sleep(kAgentSettleMs);
    said->push_back("keyagent.exe runs: it reads the filters, its tray icons and wheel hook are in place");
    return true;
}

bool DesktopPlayer::StopAgent(Lines* said) {
    if (!agent_running()) {
        said->push_back("keyagent.exe was not running");
        return false;
    }
    Observe(Step(), said);
    const bool stopped = agent_->Stop();
    agent_.reset();
    said->push_back(stopped ? "keyagent.exe ended after \"keyagent.exe /u\"" : "keyagent.exe did not stop with \"/u\"");
    return stopped;
}

bool DesktopPlayer::Open(const Step& step, Lines* said) {
    if (step.target == Target::Text) {
        if (!text_.Open()) {
            said->push_back("the text window could not be made");
            return false;
        }
        said->push_back("a text window is open, its first line at the top");
        return true;
    }
    if (IsPanel(step)) return OpenPanel(step, said);
    // The applet writes "USB Lock"; the agent also rewrites it at its start.
    settings_.Keep(KB_REG_SKYREL, KB_VAL_USB_LOCK);
    std::string error;
    if (!applet_.Open(&error)) {
        said->push_back(error);
        return false;
    }
    said->push_back("control.exe skyrel.cpl opened the \"Skyrel RF Status\" dialog");
    return true;
}

bool DesktopPlayer::OpenPanel(const Step& step, Lines* said) {
    const Panel panel = PanelOf(step);
    panel_values_.Before(panel, settings_);
    std::string error;
    if (!panel_.Open(panel, &error)) {
        said->push_back(error);
        return false;
    }
    said->push_back(std::string("the ") + (panel == Panel::Keyboard ? "Keyboard" : "Mouse") +
                    " control panel's pages are open, found by shell32 as the control panel finds them");
    for (const std::string& line : panel_.Describe()) said->push_back(line);
    return true;
}

bool DesktopPlayer::Close(const Step& step, Lines* said) {
    if (IsPanel(step)) return ClosePanel(step, said);
    if (!applet_.Close()) {
        said->push_back("the applet was not open, or control.exe did not end");
        return false;
    }
    said->push_back("the applet's Close button ended control.exe");
    return true;
}

bool DesktopPlayer::ClosePanel(const Step& step, Lines* said) {
    if (!panel_.is_open() || panel_.panel() != PanelOf(step)) {
        said->push_back("that control panel is not open");
        return false;
    }
    if (!panel_.PressOk()) {
        said->push_back("the sheet did not end after its OK button");
        return false;
    }
    said->push_back("OK: the sheet closed; " + panel_values_.WrittenSince());
    return true;
}

bool DesktopPlayer::Pick(const Step& step, Lines* said) {
    if (!panel_.is_open() || !panel_.Pick(static_cast<int>(step.values[0]))) {
        said->push_back(Format("no open page has a list with an item %u (open keyboard)", step.values[0]));
        return false;
    }
    for (const std::string& line : panel_.Describe()) said->push_back(line);
    return true;
}

bool DesktopPlayer::Lock(const Step& step, Lines* said) {
    if (!applet_.is_open()) {
        said->push_back("the applet is not open (open applet)");
        return false;
    }
    if (!applet_.ClickLockTo(step.open)) {
        said->push_back("the applet's Lock box is disabled: no receiver reported its lock");
        return false;
    }
    Sleep(kSettleMs);
    DWORD stored = 0;
    const bool read = ReadStoredNumber(KB_REG_SKYREL, KB_VAL_USB_LOCK, &stored);
    said->push_back(std::string("the Lock box is ") + (applet_.LockTicked() ? "ticked" : "clear") + "; \"USB Lock\" " +
                    (read ? Format("holds %lu", stored) : std::string("is not stored")));
    return applet_.LockTicked() == step.open;
}

void DesktopPlayer::Observe(const Step& step, Lines* said) {
    if (step.kind != StepKind::Wheel && step.kind != StepKind::Lock) Sleep(agent_running() ? kSettleMs : 0);
    ObserveAgentAndApps(said);
    if (agent_running()) status_table_.Observe(said);
    // A session of the receiver alone never touches the screen.
    if (desktop_used_) ObserveScreen(said);
}

void DesktopPlayer::ObserveAgentAndApps(Lines* said) {
    const bool key_dispatched = agent_running() && agent_log_.TellNewLines(agent_->Log(), said);
    const Lines records = apps_.NewRecords();
    said->insert(said->end(), records.begin(), records.end());
    if (key_dispatched && apps_.running() && records.empty()) {
        std::string classes;
        for (const std::string& c : apps_.classes()) classes += (classes.empty() ? "" : ", ") + c;
        said->push_back("no keystroke or command reached the stand-in windows (" + classes + ")");
    }
}

void DesktopPlayer::ObserveScreen(Lines* said) {
    popup_.Observe(said);
    TellChange(SelectState(), &last_select_, "the Media Select window is closed", said);
    TellChange(ZoomState(), &last_zoom_, "the zoom window is hidden", said);
    std::string applet;
    for (const std::string& line : applet_.Describe()) applet += (applet.empty() ? "" : "\n") + line;
    if (applet != last_applet_ && !applet.empty()) {
        for (const std::string& line : applet_.Describe()) said->push_back(line);
    }
    last_applet_ = applet;
    screen_ = capture::CaptureScreen();
    if (!tray_) tray_.reset(new TrayIcons);
    std::string tray = tray_->Describe(screen_);
    if (!tray.empty()) tray = "the notification area shows " + tray;
    TellChange(tray, &last_tray_, "the notification area shows none of the tray's icons", said);
}

}  // namespace sim
