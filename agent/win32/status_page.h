// The outside status-page server: its class and its property-sheet handler for the Keyboard
// control panel registered at every start, and its file copied from the agent's own folder into
// the system folder when it is not there yet.
#pragma once

void RegisterStatusPage();
