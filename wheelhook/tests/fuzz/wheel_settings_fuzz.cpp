// The wheel settings as the hook reads them from the registry, whatever is stored there: each
// of the seven values missing, shorter than its field or too long for it, on top of whatever
// the previous load left; the two App Paths commands of any length, with or without their
// NUL. After the load and its corrections every value the hooks use is within its range: a
// line or more per notch and never more than a wheel delta carries, a factor the zoom may
// divide by, a row inside the function table, a zoom placement and blit inside the window and
// the snapshot, and a launch command that ends inside its buffer and fits its command line.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>
#include <string.h>

#include <memory>
#include <string>

#include "programstart/logic/app_path_command.h"
#include "wheelhook/logic/message_rewrite.h"
#include "wheelhook/logic/scroll_decision.h"
#include "wheelhook/logic/stored_values.h"
#include "wheelhook/logic/wheel_function_table.h"
#include "wheelhook/logic/zoom_geometry.h"

namespace {

void Require(bool condition) {
    if (!condition) abort();
}

// One value as a read into a 4-byte field meets it: missing, or more than 4 bytes, and the
// read fails; otherwise its bytes, in a block of exactly their size.
void LoadValue(FuzzedDataProvider& input, uint32_t& field) {
    const std::string value = input.ConsumeRandomLengthString(8);
    if (value.empty() || value.size() > sizeof field) return;
    const std::unique_ptr<uint8_t[]> bytes(new uint8_t[value.size()]);
    memcpy(bytes.get(), value.data(), value.size());
    const uint32_t before = field;
    field = DwordFromValue(field, bytes.get(), value.size());
    const uint32_t kept = value.size() == sizeof field ? 0 : ~0u << (8 * value.size());
    Require((field & kept) == (before & kept));
}

void LoadCommand(FuzzedDataProvider& input, char (&command)[kCommandBufferSize]) {
    if (!input.ConsumeBool()) return;
    const std::string value = input.ConsumeRandomLengthString(400);
    const std::unique_ptr<char[]> text(value.empty() ? nullptr : new char[value.size()]);
    if (text) memcpy(text.get(), value.data(), value.size());
    memset(command, 'x', sizeof command);
    CommandFromValue(text.get(), value.size(), command);
    const size_t length = strnlen(command, sizeof command);
    Require(length < sizeof command);
    Require(value.compare(0, length, command) == 0);
    Require(length == value.size() || length == sizeof command - 1 || value[length] == '\0');

    char line[kCommandBufferSize + 2];
    Require(AppPathCommandLine(command, line, sizeof line));
    Require(command[0] == '"' ? strcmp(line, command) == 0 : std::string(line) == '"' + std::string(command) + '"');
}

void CheckWheel(const WheelSettings& settings, FuzzedDataProvider& input) {
    Require(settings.ScrollLine >= 1 && (settings.ScrollMode != 1 || settings.ScrollLine == 1));
    Require(settings.ZoomFactor >= 1 && UsableZoomFactor(settings) == settings.ZoomFactor);
    const uint32_t lines = LinesPerNotch(settings);
    Require(lines >= 1 && lines <= kMaxLinesPerNotch);
    const WheelFunctionEntry* row = &WheelFunctionRow(kInitialWheelFunctionTable, settings.Function);
    Require(row >= kInitialWheelFunctionTable.Rows && row < kInitialWheelFunctionTable.Rows + KB_WHEEL_FUNCTION_COUNT);

    const uint32_t wparam = input.ConsumeIntegral<uint32_t>();
    const WheelRewrite rewrite = RewriteWheelMessage(settings, wparam, input.ConsumeBool());
    Require((rewrite.wparam & 0xFFFF) == (wparam & 0xFFFF) && rewrite.key_count <= kMaxLinesPerNotch);
    if (rewrite.key == 0) {
        // A line-mode notch keeps its way, reversed or not, and moves at least one line.
        const int16_t delta = static_cast<int16_t>(rewrite.wparam >> 16);
        const bool up = (static_cast<int16_t>(wparam >> 16) >= 0) != (settings.ScrollReverse != 0);
        Require(up ? delta >= int16_t(kWheelUnitsPerLine) : delta <= -int16_t(kWheelUnitsPerLine));
    }
    Require(ScrollCodeFor(settings, input.ConsumeIntegral<int16_t>()) <= KB_SB_PAGEDOWN);
}

void CheckZoom(const WheelSettings& settings, FuzzedDataProvider& input) {
    const ZoomPlacement place =
        PlaceZoom(settings, input.ConsumeIntegral<int32_t>(), input.ConsumeIntegral<int32_t>());
    Require(place.window.Left <= place.source.Left && place.source.Left <= place.source.Right &&
            place.source.Right <= place.window.Right);
    Require(place.window.Top <= place.source.Top && place.source.Top <= place.source.Bottom &&
            place.source.Bottom <= place.window.Bottom);
    const int32_t side = ZoomWindowSide(settings);
    const int32_t source_side = ZoomPaintSourceSide(settings);
    Require(side >= 0 && source_side >= 0 && source_side <= side);
    const int32_t screen_width = input.ConsumeIntegralInRange<int32_t>(1, 8192);
    const int32_t screen_height = input.ConsumeIntegralInRange<int32_t>(1, 8192);
    const SnapshotSize snapshot = ZoomSnapshotSize(settings, screen_width, screen_height);
    Require(snapshot.width >= screen_width && snapshot.height >= screen_height);

    const int32_t client = input.ConsumeIntegralInRange<int32_t>(0, side);
    const ZoomBlit blit = PlanZoomBlit(place.source.Left, place.source.Top, source_side, client, client);
    if (!blit.any) return;
    Require(blit.dest_x >= 0 && blit.dest_width > 0 && int64_t{blit.dest_x} + blit.dest_width <= client);
    Require(blit.dest_y >= 0 && blit.dest_height > 0 && int64_t{blit.dest_y} + blit.dest_height <= client);
    Require(blit.source_x >= 0 && blit.source_width > 0 && blit.source_width <= source_side);
    Require(blit.source_y >= 0 && blit.source_height > 0 && blit.source_height <= source_side);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    // What the previous load left in the shared state, then the seven reads in their order.
    WheelSettings settings = {};
    uint32_t* fields[] = {&settings.ScrollMode, &settings.ScrollLine, &settings.ScrollReverse, &settings.WheelButton,
                          &settings.ZoomSize,   &settings.ZoomFactor, &settings.Function};
    for (uint32_t* field : fields) *field = input.ConsumeBool() ? input.ConsumeIntegral<uint32_t>() : 0;
    for (uint32_t* field : fields) LoadValue(input, *field);
    CorrectWheelSettings(settings);

    LaunchCommands commands = {};
    LoadCommand(input, commands.internet_explorer);
    LoadCommand(input, commands.netscape);
    CheckWheel(settings, input);
    CheckZoom(settings, input);
    return 0;
}
