// Decoding of one input report of the receiver's hot-key interface, as it comes back up from
// the USB stack: which event to queue, which bytes to blank before the HID driver sees the
// report, and the change to the auxiliary byte. The status table is updated in place.
//
// Decoding never reads past `length`: a report shorter than its layout raises nothing and is
// passed up as it came.
#pragma once

#include <stdint.h>

#include "common/control_interface.h"

enum ReportNumber : uint8_t {
    REPORT_CONSUMER_KEYS = 1,
    REPORT_SYSTEM_CONTROL = 2,
    REPORT_DEVICE_STATUS = 3,
    REPORT_STATUS = 4,
};

// Bytes each report needs, report number included.
constexpr uint32_t CONSUMER_KEYS_REPORT_LENGTH = 3;
constexpr uint32_t SYSTEM_CONTROL_REPORT_LENGTH = 2;
constexpr uint32_t DEVICE_STATUS_REPORT_LENGTH = 6;
// A status report of this length clears the auxiliary byte; one of the long length carries it
// in its last byte. Other lengths leave it.
constexpr uint32_t STATUS_REPORT_SHORT_LENGTH = 5;
constexpr uint32_t STATUS_REPORT_LONG_LENGTH = 6;

struct ReportEffect {
    bool QueuesEvent;
    uint8_t EventCode;
    // The auxiliary byte this report makes current, also when no event is queued. With an
    // event, it must become current in the same step that queues it, so that the event carries it.
    bool SetsAuxByte;
    uint8_t AuxByte;
    // Bytes [BlankOffset, BlankOffset + BlankLength) are overwritten with 0 before the report
    // goes up; always inside the report.
    uint8_t BlankOffset;
    uint8_t BlankLength;
};

// readerOpen: a reader listens on the control device, so hot keys are reported to it and
// hidden from Windows. With none, no report raises an event; the table and the auxiliary byte
// still follow the reports.
ReportEffect DecodeReport(const uint8_t* report, uint32_t length, bool readerOpen, RF_DATA& table);

// Writes the zeros that `effect` asks for.
void BlankReport(uint8_t* report, uint32_t length, const ReportEffect& effect);
