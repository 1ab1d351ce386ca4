// The data of one queued event: its code beside the auxiliary byte current when it is queued.
// The driver calls this under its queue lock, so a status report's new auxiliary byte and the
// event it raises become visible together, and concurrent reports can't mix codes and bytes.
#pragma once

#include <stdint.h>

#include "common/control_interface.h"

// eventCode and auxByte are the driver's shared fields. newAuxByte, when not null, becomes the
// current auxiliary byte first.
EVENT_RECORD PairEvent(uint8_t& eventCode, uint8_t& auxByte, uint8_t code, const uint8_t* newAuxByte);
