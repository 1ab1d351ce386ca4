#include "driver/decode/status_table.h"

namespace {

constexpr uint8_t ID_HIGH_MASK = 0x0F;

}  // namespace

void SetLockFlag(RF_DATA& table, bool locked) {
    for (RF_RECORD& record : table.Record) {
        if (locked) {
            record.Flags |= RF_FLAG_LOCK;
        } else {
            record.Flags &= static_cast<uint8_t>(~RF_FLAG_LOCK);
        }
    }
}

void ApplyDeviceStatus(RF_DATA& table, const DeviceStatus& status) {
    for (RF_RECORD& record : table.Record) record.State |= RF_STATE_REPORTED;

    const bool locked = (status.Flags & RF_FLAG_LOCK) != 0;
    if (status.Index < DEVICE_KIND_COUNT) {
        RF_RECORD& named = table.Record[status.Index];
        named.State = RF_STATE_REPORTED | RF_STATE_LINKED;
        named.Channel = status.Channel;
        named.Id = static_cast<uint16_t>(status.IdLow | ((status.IdHigh & ID_HIGH_MASK) << 8));
        named.Flags = status.Flags;
        SetLockFlag(table, locked);
    } else if (status.Index == RF_INDEX_CLEAR_ALL) {
        for (RF_RECORD& record : table.Record) {
            record.State = RF_STATE_REPORTED;
            record.Channel = 0;
            record.Id = 0;
        }
        SetLockFlag(table, locked);
    } else if (status.Index == RF_INDEX_LOCK_ONLY) {
        SetLockFlag(table, locked);
    }
}
