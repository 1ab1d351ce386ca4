#include "statusapplet/logic/status_view.h"

#include "statusapplet/logic/applet_resources.h"

namespace applet {
namespace {

// Bits of State that make a device kind's button usable: any but "reported".
constexpr uint8_t kButtonStateBits = 0x7F;

bool Linked(const RF_RECORD& record) {
    return (record.State & RF_STATE_LINKED) != 0;
}

}  // namespace

int FirstLinked(const RF_DATA& table) {
    for (int index = 0; index < DEVICE_KIND_COUNT; ++index) {
        if (Linked(table.Record[index])) return index;
    }
    return kNoDevice;
}

int SelectionAfterRefresh(const RF_DATA& table, int selected) {
    if (selected < 0 || selected >= DEVICE_KIND_COUNT || !Linked(table.Record[selected])) return kNoDevice;
    return selected;
}

StatusView BuildView(const RF_DATA& table, int selected, uint8_t lock_flags) {
    StatusView view = {};
    view.pressed = selected;
    for (int index = 0; index < DEVICE_KIND_COUNT; ++index) {
        const RF_RECORD& record = table.Record[index];
        view.button_enabled[index] = (record.State & kButtonStateBits) != 0;
        if (record.State & RF_STATE_REPORTED) view.lock_enabled = true;
    }
    view.lock_ticked = (lock_flags & RF_FLAG_LOCK) != 0;
    if (selected < 0 || selected >= DEVICE_KIND_COUNT) {
        view.battery_bitmap = KB_IDB_BATTERY_NONE;
        return view;
    }
    const RF_RECORD& chosen = table.Record[selected];
    view.details_enabled = true;
    view.battery_bitmap = (chosen.Flags & RF_FLAG_BATTERY_LOW) ? KB_IDB_BATTERY_LOW : KB_IDB_BATTERY_GOOD;
    FormatNumber(chosen.Channel + 1u, view.channel_text);
    FormatNumber(chosen.Id + 1u, view.id_text);
    return view;
}

void FormatNumber(unsigned value, char (&text)[kNumberTextSize]) {
    char reversed[kNumberTextSize];
    int length = 0;
    do {
        reversed[length++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0 && length < kNumberTextSize - 1);
    for (int i = 0; i < length; ++i) text[i] = reversed[length - 1 - i];
    text[length] = '\0';
}

}  // namespace applet
