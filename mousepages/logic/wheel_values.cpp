#include "mousepages/logic/wheel_values.h"

#include "common/registry_names.h"

namespace mousepages {
namespace {

using Registry = reg::Registry;

int32_t Signed(uint32_t value) {
    return static_cast<int32_t>(value);
}

}  // namespace

const char* const kFunctionNames[KB_WHEEL_FUNCTION_COUNT] = {
    "[unassigned]", "Backspace", "Close application", "Delete", "Double click", "Enter", "Escape", "F1[Help]",
    "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12", "Maximize", "Minimize", "Page Down",
    "Page Up", "Restore Application", "Start Menu", "Run", "Find Document", "Explorer", "Play/Stop CD",
    "MS Internet Explorer", "Netscape Navigator",
};

WheelValues LoadWheelValues(Registry& registry) {
    WheelValues values = {3, 0, 0};
    reg::ScopedKey key(registry, registry.Open(Registry::Root::LocalMachine, KB_REG_WHEEL, Registry::Access::Read));
    if (key) {
        reg::ReadNumber(registry, key.get(), KB_VAL_SCROLL_MODE, values.ScrollMode);
        reg::ReadNumber(registry, key.get(), KB_VAL_SCROLL_LINE, values.ScrollLines);
        reg::ReadNumber(registry, key.get(), KB_VAL_SCROLL_REVERSE, values.Reverse);
        if (values.ScrollLines > kMaxScrollLines) values.ScrollLines = kMaxScrollLines;
    }
    if (values.ScrollLines == 0) values.ScrollLines = 1;
    return values;
}

ButtonValues LoadButtonValues(Registry& registry) {
    ButtonValues values = {KB_WHEEL_BUTTON_AUTO_SCROLL, 0, 2, 96};
    reg::ScopedKey key(registry, registry.Open(Registry::Root::LocalMachine, KB_REG_WHEEL, Registry::Access::Read));
    if (key) {
        reg::ReadNumber(registry, key.get(), KB_VAL_WHEEL_BUTTON, values.WheelButton);
        reg::ReadNumber(registry, key.get(), KB_VAL_ZOOM_SIZE, values.ZoomSize);
        reg::ReadNumber(registry, key.get(), KB_VAL_ZOOM_FACTOR, values.ZoomFactor);
        reg::ReadNumber(registry, key.get(), KB_VAL_FUNCTION, values.Function);
        if (Signed(values.WheelButton) >= Signed(KB_WHEEL_BUTTON_MODE_COUNT)) values.WheelButton = KB_WHEEL_BUTTON_ZOOM;
        if (Signed(values.ZoomSize) > kMaxZoomSize) values.ZoomSize = kMaxZoomSize;
        if (Signed(values.ZoomFactor) > kMaxZoomFactor) values.ZoomFactor = kMaxZoomFactor;
    }
    if (values.ZoomFactor == 0) values.ZoomFactor = 1;
    return values;
}

void SaveWheelValues(Registry& registry, const WheelValues& values) {
    reg::ScopedKey key(registry, reg::OpenForWriting(registry, Registry::Root::LocalMachine, KB_REG_WHEEL));
    if (!key) return;
    reg::SetNumber(registry, key.get(), KB_VAL_SCROLL_MODE, values.ScrollMode);
    reg::SetNumber(registry, key.get(), KB_VAL_SCROLL_LINE, values.ScrollLines);
    reg::SetNumber(registry, key.get(), KB_VAL_SCROLL_REVERSE, values.Reverse);
}

void SaveButtonValues(Registry& registry, const ButtonValues& values) {
    reg::ScopedKey key(registry, reg::OpenForWriting(registry, Registry::Root::LocalMachine, KB_REG_WHEEL));
    if (!key) return;
    reg::SetNumber(registry, key.get(), KB_VAL_WHEEL_BUTTON, values.WheelButton);
    reg::SetNumber(registry, key.get(), KB_VAL_ZOOM_SIZE, values.ZoomSize);
    reg::SetNumber(registry, key.get(), KB_VAL_ZOOM_FACTOR, values.ZoomFactor);
    reg::SetNumber(registry, key.get(), KB_VAL_FUNCTION, values.Function);
}

uint32_t SystemScrollLines(const WheelValues& values) {
    return values.ScrollMode == 1 ? 0xFFFFFFFFu : values.ScrollLines;
}

int WheelButtonChoice(uint32_t mode) {
    return static_cast<int>(mode < KB_WHEEL_BUTTON_MODE_COUNT ? mode : KB_WHEEL_BUTTON_AUTO_SCROLL);
}

int FunctionRowShown(uint32_t row) {
    return Signed(row) >= Signed(KB_WHEEL_FUNCTION_COUNT) ? 0 : Signed(row);
}

uint32_t FunctionRowSaved(int position) {
    return position < 0 ? 0 : static_cast<uint32_t>(position);
}

uint32_t PositionInRange(uint32_t reply, uint32_t current, int low, int high) {
    int32_t value = (reply >> 16) != 0 ? Signed(current) : static_cast<int16_t>(reply & 0xFFFF);
    if (value < low) value = low;
    if (value > high) value = high;
    return static_cast<uint32_t>(value);
}

ButtonControls EnabledFor(int choice) {
    const auto mode = static_cast<uint32_t>(choice);
    return {mode == KB_WHEEL_BUTTON_ZOOM, mode == KB_WHEEL_BUTTON_FUNCTION};
}

}  // namespace mousepages
