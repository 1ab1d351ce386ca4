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
// Text after '#' is a comment. Portable: no platform headers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sim {

enum class StepKind { Note, Plug, Unplug, Report, Wait, Reader, Typing, KeyCode };

constexpr uint32_t kScriptMaxReceiver = 4;
constexpr size_t kScriptMaxReportBytes = 64;
constexpr uint32_t kScriptMaxWaitMs = 600000;
constexpr uint32_t kScriptMaxTyping = 255;
constexpr uint32_t kScriptMaxKeyCode = 255;

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
    bool open = false;            // Reader
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
