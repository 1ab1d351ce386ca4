// The working copies of the two wheel pages, as they are read from and written to
// "Software\Orvanta\ZU2-DIVUVER", and the page decisions that need no window.
#pragma once

#include <cstdint>

#include "common/wheel_button_modes.h"
#include "registry/logic/registry.h"

namespace mousepages {

// "Wheel": how a notch scrolls.
struct WheelValues {
    uint32_t ScrollLines;
    uint32_t ScrollMode;  // 0 lines, 1 one page per notch
    uint32_t Reverse;
};

// "Wheel Button": what the button does, and the zoom it opens.
struct ButtonValues {
    uint32_t WheelButton;  // KB_WHEEL_BUTTON_ZOOM, _AUTO_SCROLL or _FUNCTION
    uint32_t Function;
    uint32_t ZoomFactor;
    uint32_t ZoomSize;
};

// What the wheel hook can work with, and what the pages' up-down controls offer.
constexpr int kMaxScrollLines = 64;
constexpr int kMaxZoomSize = 300;
constexpr int kMinZoomFactor = 1;
constexpr int kMaxZoomFactor = 10;

// The wheel-button functions, in the order of the hook's function table: the list position is
// the stored "Function".
extern const char* const kFunctionNames[KB_WHEEL_FUNCTION_COUNT];

// The page's values as it opens: line mode, 3 lines and no reverse unless stored; more than 64
// lines are shown as 64, none as 1. A value that is missing or doesn't fit is not taken.
WheelValues LoadWheelValues(reg::Registry& registry);
// Auto Scroll, size 96, factor 2, row 0 unless stored; a mode of 3 or more is Zoom, a size above
// 300 is 300, a factor above 10 is 10 and one of 0 is 1.
ButtonValues LoadButtonValues(reg::Registry& registry);

// Opens the settings key for writing, or creates it, and writes the page's values as REG_DWORD.
// A key that can't be had loses the writes silently.
void SaveWheelValues(reg::Registry& registry, const WheelValues& values);
void SaveButtonValues(reg::Registry& registry, const ButtonValues& values);

// What the platform is told to scroll per notch: the lines, or -1 (one page) in page mode.
uint32_t SystemScrollLines(const WheelValues& values);

// The choice shown for a stored "Wheel Button", one of the modes. Values the opening steps leave
// outside them (the negative ones) show as Auto Scroll, which is what the hook does with them:
// it zooms only on 0 and runs a function only on 2.
int WheelButtonChoice(uint32_t mode);

// The list position shown for a stored "Function": rows past the list are row 0, negative
// rows select nothing. And what is stored for a list position: no selection is row 0.
int FunctionRowShown(uint32_t row);
uint32_t FunctionRowSaved(int position);

// A value from an up-down control's UDM_GETPOS reply, always within [low, high]: the position
// in the reply's low half, or, when the high half reports that the buddy's text is no valid
// position, the page's `current` value.
uint32_t PositionInRange(uint32_t reply, uint32_t current, int low, int high);

// Which of the "Wheel Button" controls a choice enables: the zoom size and factor with their
// up-downs, and the function list.
struct ButtonControls {
    bool zoom;
    bool functions;
};
ButtonControls EnabledFor(int choice);

}  // namespace mousepages
