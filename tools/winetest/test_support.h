// What every Wine test compares against: the NTSTATUS values requests come back with, and how
// long a test waits for something that should happen.
#pragma once

#include <windows.h>

#include <cstdint>

namespace winetest {

// As a completed request reports them (OVERLAPPED.Internal, the bench's result records).
constexpr int32_t NT_STATUS_SUCCESS = 0;
constexpr int32_t NT_STATUS_UNSUCCESSFUL = static_cast<int32_t>(0xC0000001);
constexpr int32_t NT_STATUS_INVALID_DEVICE_REQUEST = static_cast<int32_t>(0xC0000010);
constexpr int32_t NT_STATUS_INVALID_PARAMETER = static_cast<int32_t>(0xC000000D);
constexpr int32_t NT_STATUS_BUFFER_TOO_SMALL = static_cast<int32_t>(0xC0000023);
constexpr int32_t NT_STATUS_DELETE_PENDING = static_cast<int32_t>(0xC0000056);
constexpr int32_t NT_STATUS_INSUFFICIENT_RESOURCES = static_cast<int32_t>(0xC000009A);
constexpr int32_t NT_STATUS_CANCELLED = static_cast<int32_t>(0xC0000120);
constexpr int32_t NT_STATUS_DEVICE_CONFIGURATION_ERROR = static_cast<int32_t>(0xC0000182);

// How long a test waits for something that should happen: far beyond what it takes, so only
// what never happens fails the test, however slow the machine.
constexpr DWORD WAIT_LIMIT_MS = 5000;

// The same for what a window's own timer or another program brings about, which a loaded
// machine can hold back much longer than a request.
constexpr DWORD SLOW_WAIT_LIMIT_MS = 30000;

}  // namespace winetest
