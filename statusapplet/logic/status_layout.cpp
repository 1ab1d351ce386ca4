#include "statusapplet/logic/status_layout.h"

#include "statusapplet/logic/applet_resources.h"

namespace applet {

const DeviceButtonPlace kDeviceButtons[DEVICE_KIND_COUNT] = {
    {KB_IDC_KEYBOARD, DEVICE_KEYBOARD, {196, 32}},
    {KB_IDC_MOUSE, DEVICE_MOUSE, {217, 72}},
    {KB_IDC_TEN_KEY_PAD, DEVICE_TEN_KEY_PAD, {232, 112}},
    {KB_IDC_KB_WITH_TRACKBALL, DEVICE_KB_WITH_TRACKBALL, {247, 152}},
    {KB_IDC_WRITING_PAD, DEVICE_WRITING_PAD, {257, 192}},
    {KB_IDC_GAMEPAD_A, DEVICE_GAMEPAD_A, {262, 232}},
    {KB_IDC_GAMEPAD_B, DEVICE_GAMEPAD_B, {267, 272}},
    {KB_IDC_SPACE_BALL, DEVICE_SPACE_BALL, {268, 312}},
};

const Point kCurvePoints[kCurvePointCount] = {
    {190, 10}, {208, 40}, {225, 80}, {240, 120}, {255, 160},
    {265, 200}, {270, 240}, {275, 280}, {280, 320}, {280, 360},
};

const DeviceButtonPlace* DeviceButtonOfControl(int control_id) {
    for (const DeviceButtonPlace& button : kDeviceButtons) {
        if (button.control_id == control_id) return &button;
    }
    return nullptr;
}

}  // namespace applet
