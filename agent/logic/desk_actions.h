// The actions that type into the browser, bring the Calculator forward and start the programs
// of the Search, Mail, My Computer and Calculator keys, on the desk.
#pragma once

#include "agent/logic/action_desk.h"
#include "agent/logic/action_keystrokes.h"
#include "agent/logic/action_programs.h"

// The foreground window if it is a browser or Explorer window, else the first browser window;
// 0 when there is none.
DeskWindow FindBrowser(ActionDesk& desk);

// Brings `browser` forward (if it is not in front), waits the sequence's lead pause and types
// the sequence with its pauses, each key only while the browser really is in front: keys typed
// anywhere else would land in the user's own program. False when the browser could not be had
// in front; the keys pressed by then are released.
bool TypeIntoBrowser(ActionDesk& desk, DeskWindow browser, const KeySequence& sequence);

// Browser key `index` 0 to 5. False when no key was typed and no browser started: the key then
// shows no popup.
bool PerformBrowserKey(ActionDesk& desk, int index);

// What the Search, Mail, My Computer or Calculator key's mode names.
void PerformProgramStart(ActionDesk& desk, const ProgramAction& action);
