// The shipped driver answers the product's control codes and no others.
#include "outside/lvxnftr/kernel/companion.h"

#include "kernelsupport/kernel/complete_request.h"

NTSTATUS ExtraControl(COMPANION_CONTROL_RECORD*, PIRP irp) { return CompleteRequest(irp, STATUS_INVALID_DEVICE_REQUEST); }
