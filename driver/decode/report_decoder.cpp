#include "driver/decode/report_decoder.h"

#include "driver/decode/key_table.h"
#include "driver/decode/status_table.h"

namespace {

ReportEffect Event(uint8_t code) {
    ReportEffect effect = {};
    effect.QueuesEvent = true;
    effect.EventCode = code;
    return effect;
}

ReportEffect Blanked(uint8_t code, uint8_t offset, uint8_t count) {
    ReportEffect effect = Event(code);
    effect.BlankOffset = offset;
    effect.BlankLength = count;
    return effect;
}

ReportEffect ConsumerKeys(const uint8_t* report, uint32_t length, bool readerOpen) {
    if (length < CONSUMER_KEYS_REPORT_LENGTH || !readerOpen) return {};
    const uint16_t usage = static_cast<uint16_t>(report[1] | (report[2] << 8));
    if (usage == 0) return Event(EVENT_KEYS_RELEASED);
    const uint8_t code = ConsumerKeyCode(usage);
    if (code == 0) return {};
    return Blanked(code, 1, 2);
}

ReportEffect SystemControl(const uint8_t* report, uint32_t length, bool readerOpen) {
    if (length < SYSTEM_CONTROL_REPORT_LENGTH || !readerOpen || !IsPowerKeyUsage(report[1])) return {};
    return Blanked(EVENT_POWER_KEY, 1, 1);
}

ReportEffect DeviceStatusReport(const uint8_t* report, uint32_t length, bool readerOpen, RF_DATA& table) {
    if (length < DEVICE_STATUS_REPORT_LENGTH) return {};
    const DeviceStatus status = {report[1], report[2], report[3], report[4], report[5]};
    ApplyDeviceStatus(table, status);
    return readerOpen ? Event(EVENT_STATUS_CHANGED) : ReportEffect{};
}

// Its auxiliary byte is kept whether or not a reader is open: later events report it in their
// second byte. The event itself is only for a reader listening now; queued for a reader that
// comes later, a stale byte would turn into a sideways scroll step long after the fact.
ReportEffect StatusReport(const uint8_t* report, uint32_t length, bool readerOpen) {
    ReportEffect effect = readerOpen ? Event(EVENT_STATUS_REPORT) : ReportEffect{};
    if (length == STATUS_REPORT_SHORT_LENGTH) {
        effect.SetsAuxByte = true;
        effect.AuxByte = 0;
    } else if (length == STATUS_REPORT_LONG_LENGTH) {
        effect.SetsAuxByte = true;
        effect.AuxByte = report[STATUS_REPORT_LONG_LENGTH - 1];
    }
    return effect;
}

}  // namespace

ReportEffect DecodeReport(const uint8_t* report, uint32_t length, bool readerOpen, RF_DATA& table) {
    if (report == nullptr || length == 0) return {};
    switch (report[0]) {
    case REPORT_CONSUMER_KEYS:
        return ConsumerKeys(report, length, readerOpen);
    case REPORT_SYSTEM_CONTROL:
        return SystemControl(report, length, readerOpen);
    case REPORT_DEVICE_STATUS:
        return DeviceStatusReport(report, length, readerOpen, table);
    case REPORT_STATUS:
        return StatusReport(report, length, readerOpen);
    default:
        return readerOpen ? Event(EVENT_STATUS_REPORT) : ReportEffect{};
    }
}

void BlankReport(uint8_t* report, uint32_t length, const ReportEffect& effect) {
    for (uint32_t i = effect.BlankOffset; i < uint32_t(effect.BlankOffset) + effect.BlankLength && i < length; ++i) {
        report[i] = 0;
    }
}
