// How the message storm knows that a window's thread has taken everything posted to it: a
// message hook that the test sets on that thread (Wine, as Windows, loads its DLL into the
// window's process) sees the marker message leave the queue after the storm's messages and
// sets the named event the marker's wParam numbers.
#pragma once

#define KB_STORM_MARKER_DLL "agent_storm_marker.dll"
#define KB_STORM_MARKER_HOOK "StormMarkerHook"
#define KB_STORM_MARKER_MESSAGE "KbTestStormMarker"
// The event a marker sets: this format with the marker's wParam.
#define KB_STORM_MARKER_EVENT "KbTestStormMarker%lu"
