// The plain driver takes no control code: the agent sends it none.
#include "kernelsupport/kernel/complete_request.h"
#include "outside/uovkbftr/kernel/keyboard_filter.h"

NTSTATUS ExtraControl(KEYBOARD_FILTER_RECORD*, PIRP irp) { return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST); }
