#include "tools/simulator/desktop/agent_log_view.h"

#include <cstdlib>

#include "common/control_interface.h"
#include "tools/simulator/script/report_words.h"

namespace sim {
namespace {

// The agent's log lines for a code reaching its dispatcher.
constexpr char kHotKeyEvent[] = "Hot Key Event = ";
constexpr char kKeyCode[] = "Key Code = ";

// The code of a dispatcher line, or -1 for another line.
int CodeOfLogLine(const std::string& line) {
    for (const char* prefix : {kHotKeyEvent, kKeyCode}) {
        const size_t at = line.find(prefix);
        if (at != std::string::npos) return static_cast<int>(std::strtol(line.c_str() + at + std::string(prefix).size(), nullptr, 10));
    }
    return -1;
}

// " (the WWW Home key)" for a hot-key event line of the agent's log, else nothing.
std::string KeyOfLogLine(const std::string& line) {
    if (line.find(kHotKeyEvent) == std::string::npos) return std::string();
    const int code = CodeOfLogLine(line);
    if (code == EVENT_KEYS_RELEASED) return " (the keys let go)";
    const char* name = KeyNameForEvent(code);
    if (name == nullptr) return std::string();
    const std::string key = name;
    const bool named_key = key.size() > 4 && key.compare(key.size() - 4, 4, " key") == 0;
    return " (the " + key + (named_key ? ")" : " key)");
}

// A log line without its time of day.
std::string WithoutTime(const std::string& line) { return line.substr(line.find(' ') + 1); }

}  // namespace

bool AgentLogView::TellNewLines(const Lines& log, Lines* said) {
    bool key_dispatched = false;
    for (size_t i = seen_, next; i < log.size(); i = next) {
        for (next = i + 1; next < log.size() && WithoutTime(log[next]) == WithoutTime(log[i]);) ++next;
        std::string line = "agent log: " + log[i] + KeyOfLogLine(log[i]);
        if (next - i > 1) line += Format(" (%u times in a row)", static_cast<unsigned>(next - i));
        said->push_back(line);
        const int code = CodeOfLogLine(log[i]);
        if (code >= 0 && code != EVENT_KEYS_RELEASED) key_dispatched = true;
    }
    seen_ = log.size();
    return key_dispatched;
}

}  // namespace sim
