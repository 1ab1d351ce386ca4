#include "agent/win32/agent_state.h"

namespace {

AgentState g_agent;

}  // namespace

AgentState& Agent() { return g_agent; }
