// The Search, Mail, My Computer and Calculator keys: what the user's mode names, started or
// brought forward.
#pragma once

#include "agent/logic/action_programs.h"

void PerformProgramAction(const ProgramAction& action);
