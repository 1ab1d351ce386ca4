// Where things sit on the status dialog, in pixels of its client area: the eight device buttons
// along the curve, the curve itself and the logo.
#pragma once

#include "common/device_kinds.h"

namespace applet {

struct Point {
    int x;
    int y;
};

// One device button: its control, the status-table record (device kind) it shows, and the
// top-left corner it is moved to when the dialog starts.
struct DeviceButtonPlace {
    int control_id;
    int record_index;
    Point position;
};

// In the order the dialog template lists them, top of the curve first.
extern const DeviceButtonPlace kDeviceButtons[DEVICE_KIND_COUNT];

// The button of a control id, or null for any other control.
const DeviceButtonPlace* DeviceButtonOfControl(int control_id);

// The top-left corner of the logo.
constexpr Point kLogoOrigin = {20, 130};

// One Bezier curve of three segments: a start point, then three points per segment.
constexpr int kCurvePointCount = 10;
extern const Point kCurvePoints[kCurvePointCount];

}  // namespace applet
