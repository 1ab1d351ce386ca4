#include "agent/tests/wine/popup_agent.h"

#include <cstdlib>

#include "agent/tests/wine/mixer_probe/mixer_probe_protocol.h"
#include "agent/tests/wine/registry_values.h"
#include "common/registry_names.h"
#include "common/window_classes.h"
#include "tools/fixtures/message_pump.h"
#include "tools/winetest/test_support.h"
#include "tools/winsupport/build_files.h"

namespace agenttest {

namespace {

HWND FindPopupOf(DWORD process) {
    for (HWND window = FindWindowExA(nullptr, nullptr, KB_CLASS_AGENT_POPUP, nullptr); window;
         window = FindWindowExA(nullptr, window, KB_CLASS_AGENT_POPUP, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process) return window;
    }
    return nullptr;
}

uint32_t ProbeNumber(const char* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, KB_PROBE_RESULT_KEY, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return 0xFFFFFFFF;
    return value;
}

}  // namespace

void WriteDisplaySettings(uint32_t delay) {
    for (const char* name : {KB_VAL_SHOW_SEARCH, KB_VAL_SHOW_MAIL, KB_VAL_SHOW_MEDIA, KB_VAL_SHOW_VOLUME,
                             KB_VAL_SHOW_MY_COMPUTER, KB_VAL_SHOW_CALCULATOR}) {
        SetNumber(KB_REG_KEYBOARD_DISPLAY, name, 1);
    }
    SetNumber(KB_REG_KEYBOARD_DISPLAY, KB_VAL_DELAY, delay);
}

PopupAgent::~PopupAgent() {
    probe_.reset();
    DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_KEYBOARD_DISPLAY);
    DeleteTree(HKEY_LOCAL_MACHINE, KB_REG_KEYBOARD_OPTION);
    DeleteTree(HKEY_CURRENT_USER, KB_PROBE_RESULT_KEY);
}

bool PopupAgent::Start() {
    DeleteTree(HKEY_CURRENT_USER, KB_PROBE_RESULT_KEY);
    if (!agent_.Start()) return false;
    main_ = agent_.WaitForMainWindow();
    if (!main_) return false;
    // The tray hears of the lock keys last in the main window's creation.
    if (!fixtures::PumpUntil([&] { return tray_.Count(WM_TRAY_LOCKKEYS) > 0; }, winetest::SLOW_WAIT_LIMIT_MS)) return false;
    popup_ = FindPopupOf(agent_.id());
    if (!popup_) return false;
    probe_ = std::make_unique<ThreadHook>(KB_PROBE_DLL_NAME, KB_PROBE_HOOK_NAME, main_);
    probe_message_ = RegisterWindowMessageA(KB_PROBE_MESSAGE_NAME);
    return probe_->set();
}

void PopupAgent::SetVolume(uint32_t value) { PostProbe(kProbeSetVolume, static_cast<LPARAM>(value)); }

bool PopupAgent::SetVolumeExactly(uint32_t value) {
    for (uint32_t written = value; written <= value + 2; ++written) {
        SetVolume(written);
        if (Read().volume == value) return true;
    }
    return false;
}

void PopupAgent::SetMute(uint32_t value) { PostProbe(kProbeSetMute, static_cast<LPARAM>(value)); }

MixerReading PopupAgent::Read() {
    const uint32_t serial = ++serial_;
    PostProbe(kProbeReport, static_cast<LPARAM>(serial));
    MixerReading reading = {false, 0xFFFFFFFF, 0xFFFFFFFF};
    if (!fixtures::PumpUntil([&] { return ProbeNumber(KB_PROBE_VAL_SERIAL) == serial; }, winetest::SLOW_WAIT_LIMIT_MS)) {
        return reading;
    }
    reading.found = ProbeNumber(KB_PROBE_VAL_FOUND) == 1;
    reading.volume = ProbeNumber(KB_PROBE_VAL_VOLUME);
    reading.mute = ProbeNumber(KB_PROBE_VAL_MUTE);
    return reading;
}

std::vector<uint32_t> PopupAgent::LoggedLevels() const {
    std::vector<uint32_t> levels;
    const char kLevel[] = " Vol = ";
    for (const std::string& line : agenttest::ReadAgentLog(main_)) {
        const size_t at = line.find(kLevel);
        if (at == std::string::npos) continue;
        const char* digits = line.c_str() + at + sizeof kLevel - 1;
        char* end = nullptr;
        const unsigned long level = std::strtoul(digits, &end, 10);
        if (end != digits) levels.push_back(static_cast<uint32_t>(level));
    }
    return levels;
}

bool PopupAgent::WaitForPopupPainted() {
    Read();
    return fixtures::PumpUntil([&] { return IsWindowVisible(popup_) && !GetUpdateRect(popup_, nullptr, FALSE); },
                           winetest::SLOW_WAIT_LIMIT_MS);
}

}  // namespace agenttest
