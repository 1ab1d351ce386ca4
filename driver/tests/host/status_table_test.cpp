// The status table as device-status reports change it, one report or a short history at a time.
#include <gtest/gtest.h>

#include "driver/decode/status_table.h"

namespace {

RF_RECORD Record(uint8_t state, uint8_t channel, uint16_t id, uint8_t flags) { return {state, channel, id, flags}; }

bool Same(const RF_RECORD& a, const RF_RECORD& b) {
    return a.State == b.State && a.Channel == b.Channel && a.Id == b.Id && a.Flags == b.Flags;
}

std::string Show(const RF_RECORD& r) {
    char text[64];
    std::snprintf(text, sizeof text, "{State %02X, Channel %u, Id %03X, Flags %02X}", r.State, r.Channel,
                  unsigned(r.Id), r.Flags);
    return text;
}

void ExpectRecord(const RF_DATA& table, int index, const RF_RECORD& expected) {
    EXPECT_TRUE(Same(table.Record[index], expected))
        << "record " << index << " is " << Show(table.Record[index]) << ", expected " << Show(expected);
}

// A table in which two kinds are linked and some flag bits other than the lock bit are set.
RF_DATA LinkedTable() {
    RF_DATA table = {};
    table.Record[0] = Record(0x81, 3, 0x123, 0x01);
    table.Record[5] = Record(0x81, 7, 0xABC, 0x12);
    return table;
}

TEST(DeviceStatus, NamedRecordIsRewrittenAndLockReachesAllRecords) {
    RF_DATA table = {};
    ApplyDeviceStatus(table, {2, 5, 0x34, 0xF2, 0x10});
    ExpectRecord(table, 2, Record(0x81, 5, 0x234, 0x10));
    for (int i : {0, 1, 3, 4, 5, 6, 7}) ExpectRecord(table, i, Record(0x80, 0, 0, 0x10));
}

TEST(DeviceStatus, EachKindIndexNamesItsOwnRecord) {
    for (uint8_t kind = 0; kind < DEVICE_KIND_COUNT; ++kind) {
        RF_DATA table = {};
        ApplyDeviceStatus(table, {kind, uint8_t(kind + 1), 0xFF, 0x0F, 0x01});
        for (int i = 0; i < DEVICE_KIND_COUNT; ++i) {
            const RF_RECORD expected = i == kind ? Record(0x81, uint8_t(kind + 1), 0xFFF, 0x01) : Record(0x80, 0, 0, 0);
            ExpectRecord(table, i, expected);
        }
    }
}

TEST(DeviceStatus, UnlockingReportClearsTheLockBitEverywhere) {
    RF_DATA table = LinkedTable();
    ApplyDeviceStatus(table, {1, 4, 0x01, 0x00, 0x10});
    ApplyDeviceStatus(table, {1, 4, 0x01, 0x00, 0x01});
    ExpectRecord(table, 0, Record(0x81, 3, 0x123, 0x01));
    ExpectRecord(table, 1, Record(0x81, 4, 0x001, 0x01));
    ExpectRecord(table, 5, Record(0x81, 7, 0xABC, 0x02));
}

TEST(DeviceStatus, ClearAllUnlinksEveryRecordButKeepsItReported) {
    RF_DATA table = LinkedTable();
    ApplyDeviceStatus(table, {254, 9, 9, 9, 0x10});
    ExpectRecord(table, 0, Record(0x80, 0, 0, 0x11));
    ExpectRecord(table, 5, Record(0x80, 0, 0, 0x12));
    ExpectRecord(table, 7, Record(0x80, 0, 0, 0x10));
    ApplyDeviceStatus(table, {254, 9, 9, 9, 0x00});
    ExpectRecord(table, 0, Record(0x80, 0, 0, 0x01));
    ExpectRecord(table, 5, Record(0x80, 0, 0, 0x02));
}

TEST(DeviceStatus, LockOnlyIndexChangesNothingButTheLockBit) {
    RF_DATA table = LinkedTable();
    ApplyDeviceStatus(table, {255, 9, 9, 9, 0x10});
    ExpectRecord(table, 0, Record(0x81, 3, 0x123, 0x11));
    ExpectRecord(table, 5, Record(0x81, 7, 0xABC, 0x12));
    ExpectRecord(table, 6, Record(0x80, 0, 0, 0x10));
}

TEST(DeviceStatus, OtherIndexesOnlyMarkTheTableReported) {
    for (uint8_t index : {uint8_t(8), uint8_t(9), uint8_t(100), uint8_t(253)}) {
        RF_DATA table = LinkedTable();
        ApplyDeviceStatus(table, {index, 9, 9, 9, 0x10});
        ExpectRecord(table, 0, Record(0x81, 3, 0x123, 0x01));
        ExpectRecord(table, 5, Record(0x81, 7, 0xABC, 0x12));
        ExpectRecord(table, 3, Record(0x80, 0, 0, 0x00));
    }
}

}  // namespace
