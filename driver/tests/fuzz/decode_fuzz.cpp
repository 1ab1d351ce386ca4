// Arbitrary transfers and control requests against the decoding core. The input is a script:
//   byte 0: bit 0 = a reader is open
//   then records of [kind][length][length bytes]; kind bit 0 clear = a report transfer of that
//   length, set = a control request (code from the next byte, its input the rest).
// Each transfer sits in a heap buffer of exactly its length, so any read past it is reported.
// After every step the table and the decision must keep their invariants.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "driver/decode/control_codes.h"
#include "driver/decode/event_pairing.h"
#include "driver/decode/report_decoder.h"

namespace {

void Require(bool condition) {
    if (!condition) abort();
}

bool IsReportEventCode(uint8_t code) {
    return code <= EVENT_POWER_KEY || code == EVENT_KEYS_RELEASED || code == EVENT_STATUS_REPORT;
}

void CheckTable(const RF_DATA& table) {
    for (const RF_RECORD& record : table.Record) {
        Require((record.State & ~(RF_STATE_LINKED | RF_STATE_REPORTED)) == 0);
        Require(record.Id <= 0x0FFF);
    }
}

void Transfer(const uint8_t* bytes, uint32_t length, bool readerOpen, RF_DATA& table, uint8_t& code, uint8_t& aux) {
    std::vector<uint8_t> exact(bytes, bytes + length);
    uint8_t* report = length ? exact.data() : nullptr;
    const ReportEffect effect = DecodeReport(report, length, readerOpen, table);
    Require(uint32_t(effect.BlankOffset) + effect.BlankLength <= length);
    if (effect.BlankLength) Require(readerOpen && effect.QueuesEvent);
    if (effect.QueuesEvent) {
        // No reader, no event: nothing is kept for a reader that comes later.
        Require(readerOpen && IsReportEventCode(effect.EventCode));
        const EVENT_RECORD record = PairEvent(code, aux, effect.EventCode, effect.SetsAuxByte ? &effect.AuxByte : nullptr);
        Require(record.Code == effect.EventCode);
    } else if (effect.SetsAuxByte) {
        // Only a status report sets the byte without its event, and only with no reader.
        Require(!readerOpen && length > 0 && report[0] == REPORT_STATUS);
        aux = effect.AuxByte;
    }
    BlankReport(report, length, effect);
    for (uint32_t i = 0; i < length; ++i) {
        const bool blanked = i >= effect.BlankOffset && i < uint32_t(effect.BlankOffset) + effect.BlankLength;
        Require(blanked ? report[i] == 0 : report[i] == bytes[i]);
    }
    CheckTable(table);
}

void Control(const uint8_t* bytes, uint32_t length, RF_DATA& table, uint8_t& mode) {
    if (length < 2) return;
    static const uint32_t codes[] = {IOCTL_GET_RF_DATA, IOCTL_SET_LOCK, IOCTL_DISABLE_KEYS, IOCTL_SET_MODE, 0x222010};
    const uint32_t code = codes[bytes[0] % (sizeof codes / sizeof codes[0])];
    const uint32_t outputLength = bytes[1];
    const uint32_t inputLength = length - 2;
    const uint32_t size = inputLength > outputLength ? inputLength : outputLength;
    std::vector<uint8_t> buffer(bytes + 2, bytes + 2 + inputLength);
    buffer.resize(size);
    const ControlOutcome outcome = HandleControlCode(code, size ? buffer.data() : nullptr, inputLength, outputLength,
                                                     ControlTarget{table, mode});
    Require(outcome.BytesReturned <= outputLength);
    Require(outcome.BytesReturned == 0 || outcome.BytesReturned == sizeof(RF_DATA));
    if (outcome.BytesReturned) Require(memcmp(buffer.data(), &table, sizeof table) == 0);
    CheckTable(table);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const bool readerOpen = data[0] & 1;
    RF_DATA table = {};
    uint8_t mode = 2, code = 0, aux = 0;
    size_t at = 1;
    while (at + 2 <= size) {
        const uint8_t kind = data[at];
        size_t length = data[at + 1];
        at += 2;
        if (length > size - at) length = size - at;
        if (kind & 1) {
            Control(data + at, uint32_t(length), table, mode);
        } else {
            Transfer(data + at, uint32_t(length), readerOpen, table, code, aux);
        }
        at += length;
    }
    return 0;
}
