// What the control device does with each device-control code. All codes are buffered: the
// input arrives in, and the output leaves from, one system buffer of max(input, output) bytes.
#pragma once

#include <stdint.h>

#include "common/control_interface.h"

enum class ControlStatus {
    Success,
    // A code that takes an input byte came with none; nothing was changed.
    MissingInput,
};

struct ControlOutcome {
    ControlStatus Status;
    uint32_t BytesReturned;
    // IOCTL_GET_RF_DATA got an output buffer too short for the table: it succeeds with 0
    // bytes, and the driver says so on the debugger.
    bool RfBufferTooSmall;
};

// The driver's own state that control codes change.
struct ControlTarget {
    RF_DATA& Table;
    uint8_t& Mode;
};

// buffer may be null only when both lengths are 0.
ControlOutcome HandleControlCode(uint32_t code, uint8_t* buffer, uint32_t inputLength,
                                 uint32_t outputLength, ControlTarget target);
