// How a test talks to the mixer probe inside the agent's process. Wine keeps mixer values per
// process, so only code running in the agent sees the master volume the agent changes: the
// probe, a message hook the test sets on the agent's user-interface thread, takes orders posted
// to the agent's main window and writes what it reads to the registry.
#pragma once

#define KB_PROBE_MESSAGE_NAME "KbTestMixerProbe"
#define KB_PROBE_HOOK_NAME "MixerProbeHook"
#define KB_PROBE_DLL_NAME "agent_mixer_probe.dll"
#define KB_PROBE_RESULT_KEY "Software\\KbTest\\MixerProbe"
#define KB_PROBE_VAL_VOLUME "Volume"
#define KB_PROBE_VAL_MUTE "Mute"
#define KB_PROBE_VAL_FOUND "Found"    // 1 when the master line's volume and mute were read
#define KB_PROBE_VAL_SERIAL "Serial"  // written last: the report is complete

// wParam of the probe message; lParam is the value to set or the report's serial number.
enum ProbeOrder { kProbeSetVolume = 0, kProbeSetMute = 1, kProbeReport = 2 };
