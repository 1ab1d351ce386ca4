// The filters in the receiver's stacks: EditFilterList over every device of the system, the two
// services, and the operations the agent runs with them: "/install", "/uninstall", the filter
// check of its start and the install when the receiver arrives.
#pragma once

#include <windows.h>

#include "agent/logic/filter_edit_result.h"
#include "agent/logic/filter_log.h"
#include "agent/logic/filter_services.h"

// One command text (see ParseFilterCommand) applied to the filter list of every device whose
// first hardware id matches it, or of the present ones only. On the NT platform the list is the
// device's registry property, reached through the device-installation interface; on platform 1
// it is a value of the device's hardware key.
FilterEditResult EditFilterList(const char* command, bool present_devices_only);

// The service's key and its five values, in their order. Failures leave what was there; false
// when the key or a value could not be written.
bool RegisterFilterService(const FilterService& service);

// Whether the service's key is there, and its driver file in the Windows folder's
// system32\drivers.
bool FilterServicePresent(const FilterService& service);
bool FilterDriverFilePresent(const FilterService& service);

// "/install" (all devices) and the install on an arrival (present devices only): both services
// registered, then each filter added to its interface's devices (the keyboard
// interface's first), except a filter whose service or driver file is missing: that one is left
// out and logged. Returns the hot-key filter's result; `complete`, when given, says whether
// both services were registered and neither filter was left out.
FilterEditResult InstallFilters(bool present_devices_only, FilterLog& log, bool* complete = nullptr);

// Both service keys deleted with everything below them.
void DeleteFilterServices();

// "/uninstall": the services deleted, then both filters removed from every device's list.
// Driver files stay.
void UninstallFilters();

// The filter check of the agent's start: both filters added over all devices, present or not,
// each only while its service is registered. Logs and returns whether each was there or got
// added.
bool CheckFilters(FilterLog& log);

