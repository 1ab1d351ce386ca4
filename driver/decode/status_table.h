// Changes to the wireless-device status table: the device-status report and the lock request.
// The table is the 40-byte wire block that IOCTL_GET_RF_DATA returns unchanged.
#pragma once

#include <stdint.h>

#include "common/control_interface.h"

// The five data bytes of a device-status report (the bytes after the report number).
struct DeviceStatus {
    uint8_t Index;    // device kind 0..7, or RF_INDEX_CLEAR_ALL / RF_INDEX_LOCK_ONLY
    uint8_t Channel;
    uint8_t IdLow;
    uint8_t IdHigh;   // bits 0-3 are the high bits of the 12-bit id
    uint8_t Flags;
};

// Applies one device-status report. Every record is marked as reported; a named record is
// rewritten and linked; index 254 unlinks and clears all; 254, 255 and the kinds carry the
// receiver's lock bit into every record; other indexes only mark the table as reported.
void ApplyDeviceStatus(RF_DATA& table, const DeviceStatus& status);

// Sets or clears the lock bit of Flags in all records at once.
void SetLockFlag(RF_DATA& table, bool locked);
