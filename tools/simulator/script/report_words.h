// What the simulator prints, in words a person reads: the reports fed in, the events read from
// the filter, the status table, and what the HID driver received. Portable: no platform headers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/control_interface.h"

namespace sim {

// "01 E9 00".
std::string HexBytes(const std::vector<uint8_t>& bytes);

// The name of a hot key by its event code (1 to 19), or null.
const char* KeyNameForEvent(int code);
// "Keyboard", "Ten Key Pad", ... by device kind 0 to 7, or null.
const char* DeviceKindName(int kind);

std::string DescribeReport(const std::vector<uint8_t>& report);
std::string DescribeEvent(const EVENT_RECORD& event);
// One line per linked device kind; a single line when none is linked.
std::vector<std::string> DescribeStatusTable(const RF_DATA& table);
// How the report the HID driver received compares with the one fed in.
std::string DescribeHidReport(const std::vector<uint8_t>& fed, const std::vector<uint8_t>& received);

}  // namespace sim
