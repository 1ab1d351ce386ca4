// Private window messages at fixed numbers, shared between the agent, the tray window and the
// wheel hook's zoom window.
#pragma once

constexpr unsigned WM_LAUNCH_FUNCTION = 0x8064;  // zoom window: wParam = function row
constexpr unsigned WM_TRAY_NOTIFY = 0x806E;      // from the notification area
constexpr unsigned WM_TRAY_ACTIVITY = 0x806F;
constexpr unsigned WM_TRAY_BATTERY = 0x8070;     // wParam = low-battery mask
constexpr unsigned WM_TRAY_RESERVED = 0x8071;
constexpr unsigned WM_TRAY_LOCKKEYS = 0x8072;    // wParam = lock-key state, the bits below
constexpr unsigned WM_AGENT_KEYCODE = 0x8200;    // wParam = hot-key code, from the keyboard reader
constexpr unsigned WM_AGENT_HOTKEY = 0x8301;     // wParam = filter event code
constexpr unsigned WM_AGENT_FILTER_OPENED = 0x8302;  // a reader opened its filter only after the agent started
constexpr unsigned WM_AGENT_READ_REFUSED = 0x8303;   // wParam = reader 1 to 3, lParam = the read's error

// The lock-key state of WM_TRAY_LOCKKEYS: one bit for each lock key that is on.
constexpr unsigned KB_LOCK_KEY_SCROLL = 0x1;
constexpr unsigned KB_LOCK_KEY_CAPS = 0x2;
constexpr unsigned KB_LOCK_KEY_NUM = 0x4;
constexpr unsigned KB_LOCK_KEYS_ALL = KB_LOCK_KEY_SCROLL | KB_LOCK_KEY_CAPS | KB_LOCK_KEY_NUM;
