// What the tray window shows, decided without the platform: the icons and tooltips of the three
// notification icons, the blinking of the radio icon on the 100 ms timer, the lock-key state,
// and what a click or a menu command does. The window procedure turns the answers into calls.
#pragma once

#include <cstdint>

#include "trayicon/logic/tray_texts.h"

namespace tray {

// Ids of the notification icons, all owned by the tray window.
constexpr unsigned kRadioIconId = 100;
constexpr unsigned kProductIconId = 102;
constexpr unsigned kLockIconId = 103;

constexpr unsigned kBlinkTimerId = 100;
constexpr unsigned kBlinkTimerPeriodMs = 100;
// Timer ticks without traffic after which the radio icon falls back to its idle form.
constexpr unsigned kBlinkTicks = 5;

constexpr unsigned kNoLockStateShown = 255;

// Menu commands of the tray window; no menu item carries kCommandClose.
constexpr unsigned kCommandClose = 100;
constexpr unsigned kCommandKeyboard = 101;
constexpr unsigned kCommandMouse = 102;

struct MenuItem {
    unsigned command;
    const char* text;
};
extern const MenuItem kMenuItems[2];

// A notification icon as it is added when the window is created.
struct InitialIcon {
    unsigned id;
    unsigned icon_resource;
    const char* tooltip;
    bool has_callback;  // only these tell the window about mouse messages
};
// In the order they are added.
extern const InitialIcon kInitialIcons[3];
// The order in which the icons are removed when the window is destroyed.
extern const unsigned kIconsToDelete[3];

// A change of one notification icon's picture and tooltip, or none.
struct IconChange {
    bool needed;
    unsigned id;
    unsigned icon_resource;
    Tooltip tooltip;
};

// The per-process state of the tray window.
struct TrayState {
    std::uint8_t low_battery_mask = 0;
    bool blinking = false;
    unsigned blink_counter = 0;
    unsigned last_lock_state_shown = kNoLockStateShown;
};

// The icon resource of the radio icon for a low-battery mask, in its active or idle form.
unsigned BatteryIconResource(std::uint8_t low_battery_mask, bool active);
// The icon resource of a lock state 0 to 7.
unsigned LockIconResource(unsigned lock_state);

// The radio icon's picture and tooltip for the state's mask (what UpdateBatteryIcon shows).
IconChange BatteryIcon(const TrayState& state, bool active);

// A new window starts idle with no lock state shown; the low-battery mask belongs to the process.
void StartWindow(TrayState& state);

// How a message changes the radio icon's form.
enum class RadioForm { Unchanged, Active, Idle };

// Traffic from the devices or a hot key: the radio icon turns active if it was not blinking,
// and the countdown starts again.
RadioForm OnActivity(TrayState& state);
// A new low-battery mask (its low eight bits, one per device kind): shown at once, active.
RadioForm OnBattery(TrayState& state, std::uintptr_t mask);
// One tick of any timer: after kBlinkTicks ticks without traffic the radio icon turns idle.
RadioForm OnTimerTick(TrayState& state);
// A lock state: only its low three bits name locks, so higher bits are dropped; a state equal
// to the one shown changes nothing.
IconChange OnLockKeys(TrayState& state, std::uintptr_t lock_state);

enum class ClickAction { None, OpenApplet, ShowMenu };
// What a mouse message from the notification area does, whichever icon it names. Only the
// product and radio icons have a callback, so the lock-key icon never sends one.
ClickAction OnIconMouse(unsigned mouse_message);

// The command line a menu command starts, or nullptr (for kCommandClose and unknown commands).
const char* CommandLineOf(unsigned command);
// The command line that opens the product's control-panel applet.
extern const char kAppletCommandLine[];

}  // namespace tray
