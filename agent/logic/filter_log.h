// Where the installation's lines go: the agent's diagnostic log, or whatever a caller collects
// them in. Each text is one line, without the time in front.
#pragma once

class FilterLog {
public:
    virtual void Write(const char* text) = 0;

protected:
    ~FilterLog() = default;
};
