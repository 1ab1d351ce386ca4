// The wheel settings as the "Wheel" and "Wheel Button" pages open them, whatever the registry
// holds: the key missing, each of the seven values missing or of any type and size. Every value
// the pages show lies within its control's range and what they save from it too; and where the
// hook reads the same stored value, the pages show what the hook does with it: the same scroll
// mode, direction and function row, the lines it scrolls up to the page's 64, the zoom as it
// opens up to the page's limits, and the wheel button's choice as the button acts where the
// hook knows the stored mode.
//
// The input, taken by FuzzedDataProvider: whether the key exists, then for each value in the
// hook's order whether it is missing, stored as a number or as a text, and its bytes.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "common/registry_names.h"
#include "common/win32_numbers.h"
#include "mousepages/logic/wheel_values.h"
#include "tools/fixtures/fake_registry.h"
#include "wheelhook/logic/low_level_route.h"
#include "wheelhook/logic/stored_values.h"
#include "wheelhook/logic/wheel_function_table.h"
#include "wheelhook/logic/wheel_settings.h"

namespace {

using namespace mousepages;

// A property that fails names its line, so that a finding says at once what broke.
void Require(bool condition, int line = __builtin_LINE()) {
    if (condition) return;
    fprintf(stderr, "property at line %d does not hold\n", line);
    abort();
}

const char* const kNames[] = {KB_VAL_SCROLL_MODE, KB_VAL_SCROLL_LINE, KB_VAL_SCROLL_REVERSE, KB_VAL_WHEEL_BUTTON,
                              KB_VAL_ZOOM_SIZE,   KB_VAL_ZOOM_FACTOR, KB_VAL_FUNCTION};

// The hook's reading: each value of at most 4 bytes over the field, then the corrections. It
// starts from the values the pages start from, so that a short value meets the same high bytes.
WheelSettings HookReading(const reg_test::FakeRegistry& registry, bool key_exists) {
    WheelSettings settings = {0, 3, 0, KB_WHEEL_BUTTON_AUTO_SCROLL, 96, 2, 0};
    uint32_t* fields[] = {&settings.ScrollMode, &settings.ScrollLine, &settings.ScrollReverse, &settings.WheelButton,
                          &settings.ZoomSize,   &settings.ZoomFactor, &settings.Function};
    for (int i = 0; key_exists && i < 7; ++i) {
        const reg_test::FakeRegistry::Value* value = registry.Find(std::string("HKLM\\") + KB_REG_WHEEL, kNames[i]);
        if (value != nullptr && value->bytes.size() <= sizeof(uint32_t))
            *fields[i] = DwordFromValue(*fields[i], value->bytes.data(), value->bytes.size());
    }
    CorrectWheelSettings(settings);
    return settings;
}

// What the wheel button does under the hook: the choice that names it.
int HookButtonChoice(const WheelSettings& settings) {
    switch (RouteLowLevelEvent(kHookAction, KB_WM_MBUTTONDOWN, KB_WM_MOUSEWHEEL, settings.WheelButton, false)) {
    case LowLevelAction::OpenZoom:
        return KB_WHEEL_BUTTON_ZOOM;
    case LowLevelAction::RunFunction:
        return KB_WHEEL_BUTTON_FUNCTION;
    default:
        return KB_WHEEL_BUTTON_AUTO_SCROLL;
    }
}

int32_t Signed(uint32_t value) {
    return static_cast<int32_t>(value);
}

void CheckWheelPage(const WheelValues& page, const WheelSettings& hook) {
    Require(page.ScrollLines >= 1 && page.ScrollLines <= kMaxScrollLines);
    Require(page.ScrollMode == hook.ScrollMode && (page.Reverse != 0) == (hook.ScrollReverse != 0));
    Require((SystemScrollLines(page) == 0xFFFFFFFFu) == (hook.ScrollMode == 1));
    if (hook.ScrollMode != 1) {
        const uint32_t lines = LinesPerNotch(hook);
        Require(page.ScrollLines == (lines < uint32_t(kMaxScrollLines) ? lines : uint32_t(kMaxScrollLines)));
    }
}

void CheckButtonPage(const ButtonValues& page, const WheelSettings& hook, FuzzedDataProvider& input) {
    // A mode the hook knows shows as the hook acts on it; one of 3 or more is offered as Zoom, the
    // hook's own default, which an Apply then stores; a negative one as Auto Scroll.
    const int choice = WheelButtonChoice(page.WheelButton);
    Require(choice >= 0 && choice < int(KB_WHEEL_BUTTON_MODE_COUNT));
    if (Signed(hook.WheelButton) >= int32_t(KB_WHEEL_BUTTON_MODE_COUNT)) Require(choice == int(KB_WHEEL_BUTTON_ZOOM));
    else Require(choice == HookButtonChoice(hook));

    // The zoom as it opens, up to the up-downs' limits; the page never holds a factor of 0.
    Require(Signed(page.ZoomSize) <= kMaxZoomSize && Signed(page.ZoomFactor) <= kMaxZoomFactor);
    Require(page.ZoomFactor != 0);
    if (Signed(hook.ZoomSize) <= kMaxZoomSize) Require(page.ZoomSize == hook.ZoomSize);
    if (Signed(hook.ZoomFactor) <= kMaxZoomFactor) Require(page.ZoomFactor == UsableZoomFactor(hook));

    // The list shows the hook's row, "[unassigned]" for a row the hook treats as row 0, and no
    // row at all for a negative one.
    const int row = FunctionRowShown(page.Function);
    Require(row < int(KB_WHEEL_FUNCTION_COUNT));
    if (row >= 0) Require(&WheelFunctionRow(kInitialWheelFunctionTable, hook.Function) ==
                          &kInitialWheelFunctionTable.Rows[row]);

    const uint32_t reply = input.ConsumeIntegral<uint32_t>();
    const uint32_t size = PositionInRange(reply, page.ZoomSize, 0, kMaxZoomSize);
    const uint32_t factor = PositionInRange(reply, page.ZoomFactor, kMinZoomFactor, kMaxZoomFactor);
    Require(size <= uint32_t(kMaxZoomSize) && factor >= uint32_t(kMinZoomFactor) && factor <= uint32_t(kMaxZoomFactor));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    reg_test::FakeRegistry registry;
    const bool key_exists = input.ConsumeBool();
    for (const char* name : kNames) {
        const int kind = input.ConsumeIntegralInRange(0, 2);
        const std::string bytes = input.ConsumeRandomLengthString(8);
        if (!key_exists || kind == 0) continue;
        registry.Put(std::string("HKLM\\") + KB_REG_WHEEL, name,
                     kind == 1 ? reg::Registry::Type::Number : reg::Registry::Type::Text,
                     std::vector<unsigned char>(bytes.begin(), bytes.end()));
    }
    const WheelSettings hook = HookReading(registry, key_exists);
    CheckWheelPage(LoadWheelValues(registry), hook);
    CheckButtonPage(LoadButtonValues(registry), hook, input);
    Require(registry.OpenKeys() == 0);
    return 0;
}
