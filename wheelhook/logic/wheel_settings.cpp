#include "wheelhook/logic/wheel_settings.h"

void CorrectWheelSettings(WheelSettings& settings) {
    if (settings.ScrollLine == 0) settings.ScrollLine = 1;
    if (settings.ScrollMode == 1) settings.ScrollLine = 1;
    if (settings.ZoomFactor == 0) settings.ZoomFactor = 1;
}

uint32_t UsableZoomFactor(const WheelSettings& settings) {
    return settings.ZoomFactor == 0 ? 1 : settings.ZoomFactor;
}

uint32_t LinesPerNotch(const WheelSettings& settings) {
    return settings.ScrollLine > kMaxLinesPerNotch ? kMaxLinesPerNotch : settings.ScrollLine;
}
