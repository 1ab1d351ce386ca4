#include "trayicon/logic/tray_model.h"

#include "common/private_messages.h"
#include "common/win32_numbers.h"
#include "trayicon/logic/tray_resources.h"

namespace tray {
namespace {

constexpr unsigned kMouseLeftDoubleClick = KB_WM_LBUTTONDBLCLK;
constexpr unsigned kMouseRightDown = KB_WM_RBUTTONDOWN;

}  // namespace

const MenuItem kMenuItems[2] = {
    {kCommandKeyboard, "Keyboard Content"},
    {kCommandMouse, "Mouse Content"},
};

const InitialIcon kInitialIcons[3] = {
    {kProductIconId, KB_IDI_PRODUCT, "Skyrel", true},
    {kRadioIconId, KB_IDI_RADIO_IDLE, "Battery Normal", true},
    {kLockIconId, KB_IDI_LOCK_STATE_0, "", false},
};

const unsigned kIconsToDelete[3] = {kRadioIconId, kProductIconId, kLockIconId};

const char kAppletCommandLine[] = "Control.exe skyrel.cpl";

unsigned BatteryIconResource(std::uint8_t low_battery_mask, bool active) {
    if (low_battery_mask != 0) return active ? KB_IDI_RADIO_LOW_ACTIVE : KB_IDI_RADIO_LOW_IDLE;
    return active ? KB_IDI_RADIO_ACTIVE : KB_IDI_RADIO_IDLE;
}

unsigned LockIconResource(unsigned lock_state) {
    return KB_IDI_LOCK_STATE_0 + (lock_state & KB_LOCK_KEYS_ALL);
}

IconChange BatteryIcon(const TrayState& state, bool active) {
    return IconChange{true, kRadioIconId, BatteryIconResource(state.low_battery_mask, active),
                      BatteryTooltip(state.low_battery_mask)};
}

void StartWindow(TrayState& state) {
    state.blinking = false;
    state.blink_counter = 0;
    state.last_lock_state_shown = kNoLockStateShown;
}

RadioForm OnActivity(TrayState& state) {
    RadioForm form = RadioForm::Unchanged;
    if (!state.blinking) {
        state.blinking = true;
        form = RadioForm::Active;
    }
    state.blink_counter = 0;
    return form;
}

RadioForm OnBattery(TrayState& state, std::uintptr_t mask) {
    state.low_battery_mask = static_cast<std::uint8_t>(mask & 0xFFu);
    state.blinking = true;
    state.blink_counter = 0;
    return RadioForm::Active;
}

RadioForm OnTimerTick(TrayState& state) {
    if (!state.blinking) return RadioForm::Unchanged;
    if (++state.blink_counter < kBlinkTicks) return RadioForm::Unchanged;
    state.blink_counter = 0;
    state.blinking = false;
    return RadioForm::Idle;
}

IconChange OnLockKeys(TrayState& state, std::uintptr_t lock_state) {
    unsigned shown = static_cast<unsigned>(lock_state & KB_LOCK_KEYS_ALL);
    if (shown == state.last_lock_state_shown) return IconChange{false, kLockIconId, 0, {}};
    state.last_lock_state_shown = shown;
    return IconChange{true, kLockIconId, LockIconResource(shown), LockTooltip(shown)};
}

ClickAction OnIconMouse(unsigned mouse_message) {
    if (mouse_message == kMouseLeftDoubleClick) return ClickAction::OpenApplet;
    if (mouse_message == kMouseRightDown) return ClickAction::ShowMenu;
    return ClickAction::None;
}

const char* CommandLineOf(unsigned command) {
    if (command == kCommandKeyboard) return "Control.exe keyboard";
    if (command == kCommandMouse) return "Control.exe mouse";
    return nullptr;
}

}  // namespace tray
