// The mixer probe: a WH_GETMESSAGE hook that Wine loads into the agent's process, where it
// sets and reads the master line's controls through the same mixer code as the agent.
#include <windows.h>

#include <cstdint>

#include "agent/tests/wine/mixer_probe/mixer_probe_protocol.h"
#include "agent/win32/master_volume.h"

namespace {

void WriteNumber(HKEY key, const char* name, uint32_t value) {
    const DWORD data = value;
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
}

void Report(uint32_t serial) {
    MasterVolumeMixer mixer;
    uint32_t volume = 0;
    uint32_t mute = 0;
    const bool found = mixer.Get(MasterControl::Volume, volume) && mixer.Get(MasterControl::Mute, mute);
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, KB_PROBE_RESULT_KEY, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    WriteNumber(key, KB_PROBE_VAL_VOLUME, volume);
    WriteNumber(key, KB_PROBE_VAL_MUTE, mute);
    WriteNumber(key, KB_PROBE_VAL_FOUND, found ? 1 : 0);
    WriteNumber(key, KB_PROBE_VAL_SERIAL, serial);
    RegCloseKey(key);
}

void Obey(WPARAM order, LPARAM value) {
    switch (order) {
    case kProbeSetVolume:
        MasterVolumeMixer().Set(MasterControl::Volume, static_cast<uint32_t>(value));
        break;
    case kProbeSetMute:
        MasterVolumeMixer().Set(MasterControl::Mute, static_cast<uint32_t>(value));
        break;
    case kProbeReport:
        Report(static_cast<uint32_t>(value));
        break;
    default:
        break;
    }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MixerProbeHook(int code, WPARAM wParam, LPARAM lParam) {
    static const UINT probe_message = RegisterWindowMessageA(KB_PROBE_MESSAGE_NAME);
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    // Only once per message: when it leaves the queue, not when someone peeks at it.
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == probe_message) {
        Obey(message->wParam, message->lParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
