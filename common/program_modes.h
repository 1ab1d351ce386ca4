// The modes of the Search, Mail, My Computer and Calculator keys, stored as their "Value": what
// the keyboard pages write and the agent acts on. Search, Mail and Calculator know the default
// and the custom mode; My Computer also Windows Explorer. The agent does nothing for any other
// stored value, and the pages keep such a value as it is until the user picks a choice.
#pragma once

#include <cstdint>

constexpr uint32_t KB_MODE_DEFAULT = 0;   // the standard target: search bar, mail program, My Computer, Calculator
constexpr uint32_t KB_MODE_CUSTOM = 1;    // the custom address or program
constexpr uint32_t KB_MODE_EXPLORER = 2;  // My Computer only: Windows Explorer
