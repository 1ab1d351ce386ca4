// What the agent's command line asks for. The whole text after the program name is compared:
// "/uninstall" and "/install" without regard to case, "/u" exactly; anything else (a leading
// blank included) runs the agent.
#pragma once

enum class AgentCommand {
    Uninstall,  // remove the filters and services, then exit; no window, no instance check
    Install,    // register the services and filters, then exit; no window, no instance check
    StopOther,  // "/u": tell a running agent to stop; with none running, run
    Run,
};

AgentCommand ClassifyCommandLine(const char* command_line);

// The text compared, out of the process's whole command line: the program's name (in double
// quotes or up to the first blank) and the one blank or tab that separates it from its
// arguments are skipped; any further blank belongs to the text.
const char* CommandTextAfterProgram(const char* command_line);

// What the process does once it knows whether another agent's main window exists.
enum class StartDecision {
    Uninstall,
    Install,
    PostDestroyAndExit,  // "/u" with an agent running
    ExitAtOnce,          // another agent runs
    Run,
};

StartDecision DecideStart(AgentCommand command, bool other_agent_running);
