// The desk of the hot keys' actions on the platform: every call one for one, on the
// user-interface thread.
#pragma once

#include "agent/logic/action_desk.h"

ActionDesk& AgentDesk();
