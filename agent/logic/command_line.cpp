#include "agent/logic/command_line.h"

namespace {

bool EqualIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        char x = *a, y = *b;
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return *a == *b;
}

bool Equal(const char* a, const char* b) {
    for (; *a && *a == *b; ++a, ++b) {
    }
    return *a == *b;
}

}  // namespace

AgentCommand ClassifyCommandLine(const char* command_line) {
    if (command_line == nullptr) return AgentCommand::Run;
    if (EqualIgnoringCase(command_line, "/uninstall")) return AgentCommand::Uninstall;
    if (EqualIgnoringCase(command_line, "/install")) return AgentCommand::Install;
    if (Equal(command_line, "/u")) return AgentCommand::StopOther;
    return AgentCommand::Run;
}

StartDecision DecideStart(AgentCommand command, bool other_agent_running) {
    switch (command) {
    case AgentCommand::Uninstall:
        return StartDecision::Uninstall;
    case AgentCommand::Install:
        return StartDecision::Install;
    case AgentCommand::StopOther:
        return other_agent_running ? StartDecision::PostDestroyAndExit : StartDecision::Run;
    case AgentCommand::Run:
        break;
    }
    return other_agent_running ? StartDecision::ExitAtOnce : StartDecision::Run;
}

const char* CommandTextAfterProgram(const char* command_line) {
    const char* p = command_line;
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
        if (*p == '"') ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t') ++p;
    }
    if (*p == ' ' || *p == '\t') ++p;
    return p;
}
