#include "driver/decode/control_codes.h"

#include <string.h>

#include "driver/decode/status_table.h"

namespace {

ControlOutcome Done(uint32_t bytes = 0) { return {ControlStatus::Success, bytes, false}; }

ControlOutcome GetRfData(uint8_t* buffer, uint32_t outputLength, const RF_DATA& table) {
    if (outputLength < sizeof(RF_DATA)) return {ControlStatus::Success, 0, true};
    memcpy(buffer, &table, sizeof(RF_DATA));
    return Done(sizeof(RF_DATA));
}

}  // namespace

ControlOutcome HandleControlCode(uint32_t code, uint8_t* buffer, uint32_t inputLength,
                                 uint32_t outputLength, ControlTarget target) {
    switch (code) {
    case IOCTL_GET_RF_DATA:
        return GetRfData(buffer, outputLength, target.Table);
    case IOCTL_SET_LOCK:
        if (inputLength < 1) return {ControlStatus::MissingInput, 0, false};
        SetLockFlag(target.Table, (buffer[0] & LOCK_BYTE_ON_BIT) != 0);
        return Done();
    case IOCTL_SET_MODE:
        if (inputLength < 1) return {ControlStatus::MissingInput, 0, false};
        target.Mode = buffer[0];
        return Done();
    default:
        // IOCTL_DISABLE_KEYS belongs to the companion keyboard filter; callers cannot tell an
        // unsupported code from a handled one.
        return Done();
    }
}
