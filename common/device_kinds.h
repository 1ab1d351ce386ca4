// Kinds of wireless device a receiver can link. The same index 0..7 is used by the driver's
// status table, the tray's low-battery mask and the status applet's buttons.
#pragma once

enum DeviceKind {
    DEVICE_KEYBOARD = 0,
    DEVICE_TEN_KEY_PAD = 1,
    DEVICE_MOUSE = 2,
    DEVICE_GAMEPAD_A = 3,
    DEVICE_GAMEPAD_B = 4,
    DEVICE_KB_WITH_TRACKBALL = 5,
    DEVICE_SPACE_BALL = 6,
    DEVICE_WRITING_PAD = 7,
};

constexpr int DEVICE_KIND_COUNT = 8;
