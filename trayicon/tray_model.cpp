#include "trayicon/tray_model.h"

#include "common/window_messages.h"
#include "trayicon/tray_resources.h"

namespace tray {
namespace {

constexpr unsigned kMouseLeftDoubleClick = KB_WM_LBUTTONDBLCLK;
constexpr unsigned kMouseRightDown = 0x0204;        // WM_RBUTTONDOWN
constexpr unsigned kLockStateBits = 7;

}  // namespace

const MenuItem kMenuItems[2] = {
    {kCommandKeyboard, "Keyboard Content"},
    {kCommandMouse, "Mouse Content"},
};

const InitialIcon kInitialIcons[3] = {
    {kProductIconId, IDI_PRODUCT, "Skyrel", true},
    {kRadioIconId, IDI_RADIO_IDLE, "Battery Normal", true},
    {kLockIconId, IDI_LOCK_STATE_0, "", false},
};

const unsigned kIconsToDelete[3] = {kRadioIconId, kProductIconId, kLockIconId};

const char kAppletCommandLine[] = "Control.exe skyrel.cpl";

unsigned BatteryIconResource(std::uint8_t lowBatteryMask, bool active) {
    if (lowBatteryMask != 0) return active ? IDI_RADIO_LOW_ACTIVE : IDI_RADIO_LOW_IDLE;
    return active ? IDI_RADIO_ACTIVE : IDI_RADIO_IDLE;
}

unsigned LockIconResource(unsigned lockState) {
    return IDI_LOCK_STATE_0 + (lockState & kLockStateBits);
}

IconChange BatteryIcon(const TrayState& state, bool active) {
    return IconChange{true, kRadioIconId, BatteryIconResource(state.lowBatteryMask, active),
                      BatteryTooltip(state.lowBatteryMask)};
}

void StartWindow(TrayState& state) {
    state.blinking = false;
    state.blinkCounter = 0;
    state.lastLockStateShown = kNoLockStateShown;
}

RadioForm OnActivity(TrayState& state) {
    RadioForm form = RadioForm::Unchanged;
    if (!state.blinking) {
        state.blinking = true;
        form = RadioForm::Active;
    }
    state.blinkCounter = 0;
    return form;
}

RadioForm OnBattery(TrayState& state, std::uintptr_t mask) {
    state.lowBatteryMask = static_cast<std::uint8_t>(mask & 0xFFu);
    state.blinking = true;
    state.blinkCounter = 0;
    return RadioForm::Active;
}

RadioForm OnTimerTick(TrayState& state) {
    if (!state.blinking) return RadioForm::Unchanged;
    if (++state.blinkCounter < kBlinkTicks) return RadioForm::Unchanged;
    state.blinkCounter = 0;
    state.blinking = false;
    return RadioForm::Idle;
}

IconChange OnLockKeys(TrayState& state, std::uintptr_t lockState) {
    unsigned shown = static_cast<unsigned>(lockState & kLockStateBits);
    if (shown == state.lastLockStateShown) return IconChange{false, kLockIconId, 0, {}};
    state.lastLockStateShown = shown;
    return IconChange{true, kLockIconId, LockIconResource(shown), LockTooltip(shown)};
}

ClickAction OnIconMouse(unsigned mouseMessage) {
    if (mouseMessage == kMouseLeftDoubleClick) return ClickAction::OpenApplet;
    if (mouseMessage == kMouseRightDown) return ClickAction::ShowMenu;
    return ClickAction::None;
}

const char* CommandLineOf(unsigned command) {
    if (command == kCommandKeyboard) return "Control.exe keyboard";
    if (command == kCommandMouse) return "Control.exe mouse";
    return nullptr;
}

}  // namespace tray
