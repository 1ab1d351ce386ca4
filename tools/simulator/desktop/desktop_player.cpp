#include "tools/simulator/desktop/desktop_player.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/registry_names.h"
#include "common/wheel_button_modes.h"
#include "common/window_classes.h"
#include "deviceclient/control_devices.h"
#include "tools/capture/window_capture.h"
#include "tools/fixtures/popup_reading.h"
#include "agent/logic/popup_display_time.h"
#include "tools/simulator/script/report_words.h"

namespace sim {
namespace {

// Long enough for the agent's slowest reply to a key (a browser key's keystrokes take 500 ms)
// and for Wine to put what was drawn on the display.
constexpr DWORD kSettleMs = 700;
constexpr DWORD kAgentSettleMs = 500;
constexpr DWORD kNotchSpacingMs = 60;
constexpr DWORD kBroadcastLimitMs = 3000;
constexpr int kWheelNotch = 120;

const char* const kPlayerNames[] = {"CD Player", "Windows Media Player(Original)", "Windows Media Player",
                                    "Windows Media Player 7.0"};

bool ReadNumber(const char* key, const char* name, DWORD* value) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    DWORD size = sizeof *value;
    const bool read = RegQueryValueExA(handle, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) ==
                      ERROR_SUCCESS;
    RegCloseKey(handle);
    return read;
}

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

// A list box item's text, read as Unicode, one byte a character (the players' names are ASCII).
std::string ListItemText(HWND list, WPARAM index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length <= 0) return std::string();
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&wide[0]));
    std::string text;
    for (LRESULT c = 0; c < length && wide[c]; ++c) text += static_cast<char>(wide[c]);
    return text;
}

std::string Placement(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return Format("at (%ld, %ld), %ld x %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// A file name's part from what the popup shows: letters and digits, the rest one '-'.
std::string Slug(const std::string& text) {
    std::string slug;
    for (char c : text) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) slug += c;
        else if (c >= 'A' && c <= 'Z') slug += static_cast<char>(c - 'A' + 'a');
        else if (!slug.empty() && slug.back() != '-') slug += '-';
    }
    while (!slug.empty() && slug.back() == '-') slug.pop_back();
    return slug.empty() ? "blank" : slug;
}

std::string SelectState() {
    HWND select = FindWindowA(KB_CLASS_MEDIA_SELECT, nullptr);
    if (select == nullptr || !IsWindowVisible(select)) return std::string();
    HWND list = FindWindowExA(select, nullptr, "ListBox", nullptr);
    std::string entries;
    const LRESULT count = list ? SendMessageW(list, LB_GETCOUNT, 0, 0) : 0;
    for (LRESULT i = 0; i < count; ++i)
        entries += std::string(i ? ", " : "") + "\"" + ListItemText(list, i) + "\"";
    const LRESULT chosen = list ? SendMessageW(list, LB_GETCURSEL, 0, 0) : LB_ERR;
    std::string state = "the Media Select window is open " + Placement(select) + "; its list holds " +
                        (entries.empty() ? std::string("no player") : entries);
    if (chosen != LB_ERR) state += "; selected: \"" + ListItemText(list, chosen) + "\"";
    return state;
}

// Shown is not seen: which window is on top at the zoom window's centre says whether a user sees it.
std::string ZoomState() {
    HWND zoom = FindWindowA(KB_CLASS_ZOOM, nullptr);
    if (zoom == nullptr || !IsWindowVisible(zoom)) return std::string();
    RECT r = {};
    GetWindowRect(zoom, &r);
    const HWND on_top = WindowFromPoint(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    char class_name[64] = "";
    if (on_top) GetClassNameA(GetAncestor(on_top, GA_ROOT), class_name, sizeof class_name);
    std::string state = "the zoom window shows " + Placement(zoom);
    if (on_top != zoom) state += std::string(", but the window on top at its centre is of class ") + class_name;
    return state;
}

// Says a state when it changed: what it is now, or that it is gone.
void Changed(const std::string& now, std::string* before, const char* gone, Lines* said) {
    if (now == *before) return;
    said->push_back(now.empty() ? gone : now);
    *before = now;
}

// " (the WWW Home key)" for a dispatcher line of the agent's log, else nothing.
std::string KeyOfLogLine(const std::string& line) {
    const char kHotKey[] = "Hot Key Event = ";
    const size_t at = line.find(kHotKey);
    if (at == std::string::npos) return std::string();
    const int code = std::atoi(line.c_str() + at + sizeof kHotKey - 1);
    if (code == EVENT_KEYS_RELEASED) return " (the keys let go)";
    const char* name = KeyNameForEvent(code);
    if (name == nullptr) return std::string();
    const std::string key = name;
    const bool named_key = key.size() > 4 && key.compare(key.size() - 4, 4, " key") == 0;
    return " (the " + key + (named_key ? ")" : " key)");
}

// How long the popup stays for a "Delay" position, in the words of the page's list.
std::string DisplayTime(uint32_t delay) {
    const uint32_t ms = PopupTickLimit(delay) * kPopupTickMs;
    return ms % 1000 ? Format("%u.%u s", ms / 1000, ms % 1000 / 100) : Format("%u s", ms / 1000);
}

// The values a control panel's first page may write: kept to be put back after the session,
// and read to tell what OK wrote.
struct PanelValueSet {
    const char* key;
    std::vector<const char*> names;
};

PanelValueSet PanelValueNames(Panel panel) {
    if (panel == Panel::Keyboard)
        return {KB_REG_KEYBOARD_DISPLAY,
                {KB_VAL_SHOW_SEARCH, KB_VAL_SHOW_MAIL, KB_VAL_SHOW_MEDIA, KB_VAL_SHOW_VOLUME, KB_VAL_SHOW_MY_COMPUTER,
                 KB_VAL_SHOW_CALCULATOR, KB_VAL_DELAY}};
    return {KB_REG_WHEEL,
            {KB_VAL_WHEEL_BUTTON, KB_VAL_ZOOM_SIZE, KB_VAL_ZOOM_FACTOR, KB_VAL_FUNCTION, KB_VAL_SCROLL_MODE,
             KB_VAL_SCROLL_LINE, KB_VAL_SCROLL_REVERSE}};
}

// Each value's number, or "none" when it is not stored.
std::vector<std::string> PanelValues(const PanelValueSet& set) {
    std::vector<std::string> values;
    for (const char* name : set.names) {
        DWORD value = 0;
        values.push_back(ReadNumber(set.key, name, &value) ? Format("%lu", value) : "none");
    }
    return values;
}

// A log line without its time of day.
std::string WithoutTime(const std::string& line) { return line.substr(line.find(' ') + 1); }

std::string PictureName(int number, const Step& step) {
    std::string word = step.text.substr(0, step.text.find(' '));
    return Format("%02d-line%d-%s.png", number, step.line, word.c_str());
}

}  // namespace

DesktopPlayer::DesktopPlayer(std::string pictures) : pictures_(std::move(pictures)), desktop_used_(!pictures_.empty()) {
    if (!pictures_.empty() && pictures_.back() != '\\') pictures_ += '\\';
}

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
    std::string error;
    switch (step.kind) {
    case StepKind::Agent:
        return step.open ? StartAgent(said) : StopAgent(said);
    case StepKind::Apps: {
        char folder[MAX_PATH];
        GetTempPathA(sizeof folder, folder);
        if (!apps_.Start(step.words, std::string(folder) + "kbsim-standins.txt", &error)) {
            said->push_back(error);
            return false;
        }
        said->push_back("stand-in applications are ready: " + apps_.Describe());
        return true;
    }
    case StepKind::Set:
        return Set(step, said);
    case StepKind::Open:
        if (step.target == Target::Text) {
            if (!text_.Open()) {
                said->push_back("the text window could not be made");
                return false;
            }
            said->push_back("a text window is open, its first line at the top");
            return true;
        }
        if (step.target == Target::Keyboard || step.target == Target::Mouse) return OpenPanel(step, said);
        // The applet writes "USB Lock"; the agent also rewrites it at its start.
        settings_.Keep(KB_REG_SKYREL, KB_VAL_USB_LOCK);
        if (!applet_.Open(&error)) {
            said->push_back(error);
            return false;
        }
        said->push_back("control.exe skyrel.cpl opened the \"Skyrel RF Status\" dialog");
        return true;
    case StepKind::Close:
        if (step.target == Target::Keyboard || step.target == Target::Mouse) return ClosePanel(step, said);
        if (!applet_.Close()) {
            said->push_back("the applet was not open, or control.exe did not end");
            return false;
        }
        said->push_back("the applet's Close button ended control.exe");
        return true;
    case StepKind::Lock:
        return Lock(step, said);
    case StepKind::Pick:
        if (!panel_.is_open() || !panel_.Pick(static_cast<int>(step.values[0]))) {
            said->push_back(Format("no open page has a list with an item %u (open keyboard)", step.values[0]));
            return false;
        }
        for (const std::string& line : panel_.Describe()) said->push_back(line);
        return true;
    case StepKind::Wheel:
        return Wheel(step, said);
    case StepKind::WheelButton:
        return WheelButton(said);
    case StepKind::Screenshot:
        return true;
    default:
        return false;
    }
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
    agent_lines_seen_ = 0;
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

bool DesktopPlayer::Set(const Step& step, Lines* said) {
    switch (step.setting) {
    case Setting::Popup:
        for (const char* group : {KB_VAL_SHOW_SEARCH, KB_VAL_SHOW_MAIL, KB_VAL_SHOW_MEDIA, KB_VAL_SHOW_VOLUME,
                                  KB_VAL_SHOW_MY_COMPUTER, KB_VAL_SHOW_CALCULATOR})
            settings_.WriteNumber(KB_REG_KEYBOARD_DISPLAY, group, 1);
        settings_.WriteNumber(KB_REG_KEYBOARD_DISPLAY, KB_VAL_DELAY, step.values[0]);
        // What the On-Screen Display page does after writing: tell a running agent's popup.
        if (HWND popup = FindWindowA(KB_CLASS_AGENT_POPUP, nullptr)) SendMessageA(popup, WM_WININICHANGE, 0, 0);
        said->push_back("settings: the popup shows for every key group, for " + DisplayTime(step.values[0]));
        return true;
    case Setting::Player:
        settings_.WriteNumber(KB_REG_KEYBOARD, KB_VAL_SELECT, step.values[0]);
        said->push_back(Format("settings: the media keys drive \"%s\" (the agent reads this at its start)",
                               kPlayerNames[step.values[0]]));
        return true;
    case Setting::Zoom:
        settings_.WriteNumber(KB_REG_WHEEL, KB_VAL_WHEEL_BUTTON, KB_WHEEL_BUTTON_ZOOM);
        settings_.WriteNumber(KB_REG_WHEEL, KB_VAL_ZOOM_SIZE, step.values[0]);
        settings_.WriteNumber(KB_REG_WHEEL, KB_VAL_ZOOM_FACTOR, step.values[1]);
        // What the Wheel Button page does after writing: the hook's zoom window reloads.
        SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, 0, SMTO_ABORTIFHUNG, kBroadcastLimitMs, nullptr);
        said->push_back(Format("settings: the wheel button zooms, a %u-pixel window magnifying %u times",
                               step.values[0], step.values[1]));
        return true;
    }
    return false;
}

bool DesktopPlayer::OpenPanel(const Step& step, Lines* said) {
    const Panel panel = step.target == Target::Keyboard ? Panel::Keyboard : Panel::Mouse;
    const PanelValueSet set = PanelValueNames(panel);
    for (const char* name : set.names) settings_.Keep(set.key, name);
    std::string error;
    if (!panel_.Open(panel, &error)) {
        said->push_back(error);
        return false;
    }
    panel_values_ = PanelValues(set);
    said->push_back(std::string("the ") + (panel == Panel::Keyboard ? "Keyboard" : "Mouse") +
                    " control panel's pages are open, found by shell32 as the control panel finds them");
    for (const std::string& line : panel_.Describe()) said->push_back(line);
    return true;
}

bool DesktopPlayer::ClosePanel(const Step& step, Lines* said) {
    const Panel panel = step.target == Target::Keyboard ? Panel::Keyboard : Panel::Mouse;
    if (!panel_.is_open() || panel_.panel() != panel) {
        said->push_back("that control panel is not open");
        return false;
    }
    if (!panel_.PressOk()) {
        said->push_back("the sheet did not end after its OK button");
        return false;
    }
    const PanelValueSet set = PanelValueNames(panel);
    const std::vector<std::string> now = PanelValues(set);
    std::string changed;
    for (size_t i = 0; i < now.size(); ++i) {
        if (now[i] == panel_values_[i]) continue;
        changed += (changed.empty() ? "" : ", ") + std::string(set.names[i]) + "=" + panel_values_[i] + " -> " + now[i];
    }
    said->push_back("OK: the sheet closed; " + (changed.empty() ? std::string("it wrote no new value") : "it wrote " + changed));
    return true;
}

bool DesktopPlayer::Wheel(const Step& step, Lines* said) {
    if (!text_.is_open()) {
        said->push_back("no text window is open (open text)");
        return false;
    }
    text_.Activate();
    Sleep(kNotchSpacingMs);
    const int before = text_.FirstVisibleLine();
    const int count = step.notches < 0 ? -step.notches : step.notches;
    for (int i = 0; i < count; ++i) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.mouseData = static_cast<DWORD>(step.notches < 0 ? -kWheelNotch : kWheelNotch);
        input.mi.dwFlags = MOUSEEVENTF_WHEEL;
        SendInput(1, &input, sizeof input);
        Sleep(kNotchSpacingMs);
    }
    Sleep(kSettleMs);
    const int after = text_.FirstVisibleLine();
    if (after == before) {
        said->push_back(Format("the text did not move: line %d is still at the top", after));
        // The agent's wheel hook scrolls the foreground window's focus, whatever the pointer is over.
        char class_name[64] = "none";
        if (HWND foreground = GetForegroundWindow()) GetClassNameA(foreground, class_name, sizeof class_name);
        said->push_back(std::string("the foreground window is of class ") + class_name);
    }
    else
        said->push_back(Format("the text scrolled from line %d to line %d at the top (%d notch%s)", before, after, count,
                               count == 1 ? "" : "es"));
    return true;
}

bool DesktopPlayer::WheelButton(Lines* said) {
    if (!text_.is_open()) {
        said->push_back("no text window is open (open text)");
        return false;
    }
    text_.Activate();
    Sleep(kNotchSpacingMs);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_MIDDLEDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_MIDDLEUP;
    SendInput(2, input, sizeof input[0]);
    const POINT at = text_.Centre();
    said->push_back(Format("the wheel button pressed and let go at (%ld, %ld)", at.x, at.y));
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
    const bool read = ReadNumber(KB_REG_SKYREL, KB_VAL_USB_LOCK, &stored);
    said->push_back(std::string("the Lock box is ") + (applet_.LockTicked() ? "ticked" : "clear") + "; \"USB Lock\" " +
                    (read ? Format("holds %lu", stored) : std::string("is not stored")));
    return applet_.LockTicked() == step.open;
}

void DesktopPlayer::Observe(const Step& step, Lines* said) {
    if (step.kind != StepKind::Wheel && step.kind != StepKind::Lock) Sleep(agent_running() ? kSettleMs : 0);
    // A key with an action reached the dispatcher (the release code 50 has none).
    bool key_dispatched = false;
    if (agent_running()) {
        const Lines log = agent_->Log();
        // Each paint of the volume bar logs its level, and the pictures repaint it: a line
        // that only repeats the one before is said once, with its count.
        for (size_t i = agent_lines_seen_, next; i < log.size(); i = next) {
            for (next = i + 1; next < log.size() && WithoutTime(log[next]) == WithoutTime(log[i]);) ++next;
            std::string line = "agent log: " + log[i] + KeyOfLogLine(log[i]);
            if (next - i > 1) line += Format(" (%u times in a row)", static_cast<unsigned>(next - i));
            said->push_back(line);
            const bool key = log[i].find("Hot Key Event = ") != std::string::npos ||
                             log[i].find("Key Code = ") != std::string::npos;
            if (key && log[i].find("= 50") == std::string::npos) key_dispatched = true;
        }
        agent_lines_seen_ = log.size();
    }
    const Lines records = apps_.NewRecords();
    said->insert(said->end(), records.begin(), records.end());
    if (key_dispatched && apps_.running() && records.empty()) {
        std::string classes;
        for (const std::string& c : apps_.classes()) classes += (classes.empty() ? "" : ", ") + c;
        said->push_back("no keystroke or command reached the stand-in windows (" + classes + ")");
    }
    if (agent_running()) ObserveStatusTable(said);
    // A session of the receiver alone never touches the screen.
    if (!desktop_used_) return;
    ObserveWindows(said);
    screen_ = capture::CaptureScreen();
    if (!tray_) tray_.reset(new TrayIcons);
    std::string tray = tray_->Describe(screen_);
    if (!tray.empty()) tray = "the notification area shows " + tray;
    Changed(tray, &last_tray_, "the notification area shows none of the tray's icons", said);
}

// The popup as a user sees it: shown or not, where, and what it says, read from its pixels:
// its caption, or the volume bar's green segments. A state not seen before leaves a picture of
// the popup alone.
void DesktopPlayer::ObservePopup(Lines* said) {
    HWND popup = FindWindowA(KB_CLASS_AGENT_POPUP, nullptr);
    std::string state, shown, slug;
    if (popup != nullptr && IsWindowVisible(popup)) {
        const PopupRect client = popupread::ClientOf(popup);
        const capture::Pixels shot = capture::CaptureClientSettled(popup, [] { Sleep(50); });
        if (popupread::ShowsVolumeBar(shot, client)) {
            const int segments = popupread::SegmentsShown(shot, client);
            shown = Format("the volume bar, %d of %d segments green", segments, kVolumeBarSegmentCount);
            slug = Format("volume-%02d", segments);
        } else {
            const std::string caption = popupread::KnownCaptionShown(shot, client);
            shown = caption.empty() ? std::string("no caption the agent writes") : "\"" + caption + "\"";
            slug = Slug(caption);
        }
        state = "the popup shows " + shown + ", " + Placement(popup);
    }
    if (state == last_popup_) return;
    Changed(state, &last_popup_, "the popup is hidden", said);
    if (state.empty() || pictures_.empty()) return;
    const std::string name = Format("popup-%02d-%s.png", ++popup_pictures_taken_, slug.c_str());
    std::string error;
    if (!capture::WritePng(capture::CaptureWindow(popup), pictures_ + name, error)) {
        std::fprintf(stderr, "kbsim: no picture of the popup: %s\n", error.c_str());
        return;
    }
    popup_picture_ = name;
    popup_picture_caption_ = "the popup: " + shown;
}

bool DesktopPlayer::TakePopupPicture(std::string* name, std::string* caption) {
    if (popup_picture_.empty()) return false;
    *name = popup_picture_;
    *caption = popup_picture_caption_;
    popup_picture_.clear();
    return true;
}

void DesktopPlayer::ObserveWindows(Lines* said) {
    ObservePopup(said);
    Changed(SelectState(), &last_select_, "the Media Select window is closed", said);
    Changed(ZoomState(), &last_zoom_, "the zoom window is hidden", said);
    std::string applet;
    for (const std::string& line : applet_.Describe()) applet += (applet.empty() ? "" : "\n") + line;
    if (applet != last_applet_ && !applet.empty()) {
        for (const std::string& line : applet_.Describe()) said->push_back(line);
    }
    last_applet_ = applet;
}

// The agent holds the filter's reader; a handle of our own beside it asks for the table.
void DesktopPlayer::ObserveStatusTable(Lines* said) {
    RF_DATA table = {};
    const devclient::DeviceHandle device = devclient::OpenFilterDevice();
    if (!device.valid() || !devclient::RequestRfData(device, &table)) return;
    if (have_table_ && std::memcmp(&table, &last_table_, sizeof table) == 0) return;
    if (have_table_) {
        said->push_back("the filter's status table now holds:");
        for (const std::string& line : DescribeStatusTable(table)) said->push_back("  " + line);
    }
    last_table_ = table;
    have_table_ = true;
}

bool DesktopPlayer::TakePicture(const Step& step, std::string* name, std::string* caption) {
    if (pictures_.empty() || screen_.rgb.empty()) return false;
    if (step.kind != StepKind::Screenshot && screen_.rgb == last_picture_) return false;
    last_picture_ = screen_.rgb;
    *name = PictureName(++pictures_taken_, step);
    std::string error;
    if (!capture::WritePng(screen_, pictures_ + *name, error)) {
        std::fprintf(stderr, "kbsim: no picture: %s\n", error.c_str());
        return false;
    }
    caption->clear();
    for (const std::string& word : step.words) *caption += (caption->empty() ? "" : " ") + word;
    if (caption->empty()) *caption = step.comment.empty() ? step.text : step.comment;
    return true;
}

std::string DesktopPlayer::WritePage(const DemoPage& page) {
    if (pictures_.empty()) return std::string();
    const std::string path = pictures_ + "index.html";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return std::string();
    const std::string html = page.Html();
    const bool written = std::fwrite(html.data(), 1, html.size(), f) == html.size();
    return std::fclose(f) == 0 && written ? path : std::string();
}

}  // namespace sim
