// The agent's log as the session tells it: the lines new since the last look, each hot key
// named, and a line that only repeats the one before said once with its count (each paint of
// the volume bar logs its level, and the pictures repaint it).
#pragma once

#include <cstddef>

#include "tools/simulator/desktop/words.h"

namespace sim {

class AgentLogView {
public:
    // A new agent's log starts from its first line.
    void Restart() { seen_ = 0; }
    // Tells the lines of `log` not told yet; true when one of them is a key with an action
    // reaching the dispatcher (the release of every key has none).
    bool TellNewLines(const Lines& log, Lines* said);

private:
    size_t seen_ = 0;
};

}  // namespace sim
