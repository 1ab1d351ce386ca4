// What the filter does with one input report on its way up: update the status table, queue
// the event it raises and blank the hot key it consumes.
#pragma once

#include <ddk/wdm.h>

#include "driver/kernel/control_device_record.h"

// `report` is the transfer buffer and `length` the bytes the transfer carried; nothing past
// them is read or written. Runs at or below DISPATCH_LEVEL.
void Filter_InterceptReport(PFILTER_EXTENSION controlRecord, PUCHAR report, ULONG length);
