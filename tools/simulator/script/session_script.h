// The grammar of a simulator session file, one step a line:
//
//   # a comment on a line of its own is shown as a heading
//   plug [@N]                 receiver N (1 if not given) is plugged in
//   unplug [@N]               receiver N is pulled out
//   report [@N] 01 e9 00      an input report in hex, one byte a pair of digits
//   wait 250                  a pause in milliseconds
//   reader open|close         the event reader on the filter's control device
//   typing 5                  the keyboard is used 5 times (activity for the companion filter)
//   keycode 21                hot-key code 21 (0 to 255, decimal) fed to the keyboard filter
//                             "\\.\UOVKBFTR", whose reader gets it as byte 0 of a record
//
// The desktop around the receiver, for a session that shows the whole system:
//   agent start|stop          keyagent.exe is started, or stopped with "/u"
//   apps IEFrame msimn.exe    stand-in application windows of these classes, and stand-in
//                             programs of these names (found through App Paths)
//   set popup 3               the popup shown for every key group, for the display time at
//                             place 3 of the pages' list (0 "0.5 second" to 11 "40 seconds")
//   set player 3              the media player the media keys drive (0 to 3)
//   set zoom 120 2            the wheel button opens the zoom window, 120 pixels, 2 times
//   open text|applet          a text window to scroll, or the status applet in control.exe
//   open keyboard|mouse       that control panel's pages, as the shell finds them, at the
//                             On-Screen Display page or the Wheel Button page
//   pick 4                    item 4 of the open page's first list (the display times)
//   close applet|keyboard|mouse  the applet's Close button, or the sheet's OK
//   lock on|off               the applet's Lock box clicked to that state
//   wheel down|up 3           wheel notches over the text window
//   wheel button              the wheel button pressed and let go over the text window
//   screenshot [caption]      a picture of the whole screen
//
// Text after '#' is a comment. Portable: no platform headers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

enum class StepKind {
    Note, Plug, Unplug, Report, Wait, Reader, Typing, KeyCode,
    Agent, Apps, Set, Open, Close, Pick, Lock, Wheel, WheelButton, Screenshot
};

enum class Setting { Popup, Player, Zoom };
enum class Target { Text, Applet, Keyboard, Mouse };

constexpr uint32_t kScriptMaxReceiver = 4;
constexpr size_t kScriptMaxReportBytes = 64;
constexpr uint32_t kScriptMaxWaitMs = 600000;
constexpr uint32_t kScriptMaxTyping = 255;
constexpr uint32_t kScriptMaxKeyCode = 255;
constexpr uint32_t kScriptMaxNotches = 100;
constexpr uint32_t kScriptMaxPopupSeconds = 11;
constexpr uint32_t kScriptMaxPlayer = 3;
constexpr uint32_t kScriptMaxZoomSize = 300;
constexpr uint32_t kScriptMaxZoomFactor = 10;
constexpr size_t kScriptMaxApps = 8;
constexpr uint32_t kScriptMaxPick = 255;

struct Step {
    StepKind kind = StepKind::Note;
    int line = 0;             // 1-based line in the file
    std::string text;         // the step as written, without its comment
    std::string comment;      // what follows '#', trimmed
    uint32_t receiver = 1;
    std::vector<uint8_t> bytes;   // Report
    uint32_t milliseconds = 0;    // Wait
    uint32_t activities = 0;      // Typing
    uint8_t code = 0;             // KeyCode
    bool open = false;            // Reader; Agent (start), Lock (on)
    std::vector<std::string> words;  // Apps: window classes and programs; Screenshot: the caption
    Setting setting = Setting::Popup;
    uint32_t values[2] = {0, 0};  // Set: seconds, player, or zoom size and factor; Pick: the item
    Target target = Target::Text; // Open, Close
    int notches = 0;              // Wheel: positive away from the user (up)
};

struct ScriptError {
    int line;
    std::string message;
};

struct Script {
    std::vector<Step> steps;
    std::vector<ScriptError> errors;  // a script with errors is not played
};

Script ParseScript(const std::string& text);

}  // namespace sim
