// The status table as the status dialog and the tray show it, whatever it holds and wherever it
// comes from: a WM_COPYDATA block of any size and any bytes from any process, a table the filter
// hands back, button presses naming any index, the lock box, and the agent's low-battery mask and
// lock state as the tray takes them. A block is taken only when it is a 16-bit 0 and a whole
// table, and nothing past its size is read; every view names a device that is linked or none,
// a battery picture the dialog has, and numbers as terminated decimal texts of the record shown;
// every icon the tray shows is one it has and every tooltip ends inside its buffer.
//
// The input, taken by FuzzedDataProvider: a run of steps, each a kind and what it needs.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <memory>
#include <string>
#include <vector>

#include "agent/logic/event_route.h"
#include "statusapplet/logic/applet_resources.h"
#include "statusapplet/logic/status_block.h"
#include "statusapplet/logic/status_model.h"
#include "trayicon/logic/tray_model.h"
#include "trayicon/logic/tray_resources.h"

namespace {

// A property that fails names its line, so that a finding says at once what broke.
void Require(bool condition, int line = __builtin_LINE()) {
    if (condition) return;
    fprintf(stderr, "property at line %d does not hold\n", line);
    abort();
}

// The platform as the dialog's model sees it: every answer comes from the input.
class InputPlatform final : public applet::StatusPlatform {
public:
    explicit InputPlatform(FuzzedDataProvider& input) : input_(input) {}

    devclient::CompanionAnswer SendLockToCompanion(uint8_t) override {
        return input_.PickValueInArray({devclient::CompanionAnswer::NotOpened, devclient::CompanionAnswer::Refused,
                                        devclient::CompanionAnswer::Taken});
    }
    void SendLockToFilter(uint8_t) override {}
    bool FilterOpen() const override { return open_; }
    bool OpenFilter() override { return open_ = input_.ConsumeBool(); }
    bool ReadTable(RF_DATA* table) override {
        if (!input_.ConsumeBool()) return false;
        const std::vector<uint8_t> bytes = input_.ConsumeBytes<uint8_t>(sizeof *table);
        memset(table, 0, sizeof *table);
        if (!bytes.empty()) memcpy(table, bytes.data(), bytes.size());
        last_read = *table;
        return true;
    }
    void WriteUsbLock(bool) override {}
    void Show(const applet::StatusView& view) override {
        shown = view;
        ++shows;
    }

    RF_DATA last_read = {};
    applet::StatusView shown = {};
    int shows = 0;

private:
    FuzzedDataProvider& input_;
    bool open_ = false;
};

bool Linked(const RF_DATA& table, int index) {
    return (table.Record[index].State & RF_STATE_LINKED) != 0;
}

void RequireNumberText(const char (&text)[applet::kNumberTextSize], unsigned value) {
    Require(strnlen(text, sizeof text) < sizeof text);
    Require(std::to_string(value) == text);
}

void CheckView(const applet::StatusView& view, const RF_DATA& table) {
    Require(view.pressed == applet::kNoDevice || (view.pressed >= 0 && view.pressed < DEVICE_KIND_COUNT));
    if (view.pressed == applet::kNoDevice) {
        Require(!view.details_enabled && view.battery_bitmap == KB_IDB_BATTERY_NONE);
        return;
    }
    const RF_RECORD& record = table.Record[view.pressed];
    Require(Linked(table, view.pressed) && view.details_enabled && view.button_enabled[view.pressed]);
    Require(view.battery_bitmap == ((record.Flags & RF_FLAG_BATTERY_LOW) ? KB_IDB_BATTERY_LOW : KB_IDB_BATTERY_GOOD));
    RequireNumberText(view.channel_text, record.Channel + 1u);
    RequireNumberText(view.id_text, record.Id + 1u);
}

void TakeBlock(FuzzedDataProvider& input, applet::StatusModel& model) {
    const std::string bytes = input.ConsumeRandomLengthString(2 * applet::kStatusBlockSize);
    const std::unique_ptr<uint8_t[]> block(bytes.empty() ? nullptr : new uint8_t[bytes.size()]);
    if (block) memcpy(block.get(), bytes.data(), bytes.size());
    const RF_DATA before = model.table();
    const bool taken = model.TakeStatusBlock(block.get(), bytes.size());
    Require(taken == (bytes.size() >= applet::kStatusBlockSize && bytes[0] == 0 && bytes[1] == 0));
    const RF_DATA& after = model.table();
    Require(memcmp(&after, taken ? bytes.data() + 2 : reinterpret_cast<const char*>(&before), sizeof after) == 0);
}

void CheckTooltip(const tray::Tooltip& tip) {
    Require(strnlen(tip.text, sizeof tip.text) < sizeof tip.text);
}

// The tray shows the table's low-battery mask as the agent posts it (any higher bits a sender
// adds), and any lock state a sender posts.
void ShowInTray(FuzzedDataProvider& input, const RF_DATA& table, tray::TrayState& tray) {
    const uint8_t mask = LowBatteryMask(table);
    for (int kind = 0; kind < DEVICE_KIND_COUNT; ++kind)
        Require(((mask >> kind) & 1) == (table.Record[kind].Flags & RF_FLAG_BATTERY_LOW));
    tray::OnBattery(tray, mask | (input.ConsumeIntegral<uintptr_t>() & ~uintptr_t{0xFF}));
    const tray::IconChange battery = tray::BatteryIcon(tray, input.ConsumeBool());
    Require(mask == 0 ? battery.icon_resource == KB_IDI_RADIO_ACTIVE || battery.icon_resource == KB_IDI_RADIO_IDLE
                      : battery.icon_resource == KB_IDI_RADIO_LOW_ACTIVE ||
                            battery.icon_resource == KB_IDI_RADIO_LOW_IDLE);
    CheckTooltip(battery.tooltip);
    Require((strncmp(battery.tooltip.text, "Battery Low:\n", 13) == 0) == (mask != 0));

    const tray::IconChange lock = tray::OnLockKeys(tray, input.ConsumeIntegral<uintptr_t>());
    if (!lock.needed) return;
    Require(lock.icon_resource >= KB_IDI_LOCK_STATE_0 && lock.icon_resource <= KB_IDI_LOCK_STATE_7);
    CheckTooltip(lock.tooltip);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    InputPlatform platform(input);
    applet::StatusModel model(platform);
    tray::TrayState tray;
    tray::StartWindow(tray);
    model.Start();
    for (int step = 0; step < 16 && input.remaining_bytes() > 0; ++step) {
        const int shows = platform.shows;
        switch (input.ConsumeIntegralInRange(0, 4)) {
        case 0: TakeBlock(input, model); break;
        case 1: model.Tick(); break;
        case 2: model.Press(input.ConsumeIntegral<int>()); break;
        case 3: model.LockClicked(input.ConsumeBool()); break;
        default: model.Start(); break;
        }
        Require(model.selected() >= applet::kNoDevice && model.selected() < DEVICE_KIND_COUNT);
        if (platform.shows != shows) {
            Require(platform.shown.pressed == model.selected());
            CheckView(platform.shown, model.table());
        }
        Require(!model.busy());
        ShowInTray(input, model.table(), tray);
    }
    return 0;
}
