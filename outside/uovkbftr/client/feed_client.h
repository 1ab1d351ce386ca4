// How a test or the receiver simulator drives the test variant of the keyboard filter's
// stand-in (uovkbftr_test.sys, running as service UOVKBFTR): each call opens "\\.\UOVKBFTR"
// beside whatever handle the agent holds, sends one request and closes again. No test framework.
#pragma once

#include <windows.h>

#include <stdint.h>

namespace keyboard_filter {

// Feeds one hot-key code (any value, 20 to 23 included): the pending read of the device ends
// with it, or the next read does. On failure, `error` (when given) gets the Win32 error: the
// open's (ERROR_FILE_NOT_FOUND while the driver is not running), ERROR_BUSY while
// UOV_WAITING_LIMIT codes wait unread, ERROR_INVALID_FUNCTION from the plain driver.
bool FeedCode(uint8_t code, DWORD* error = nullptr);

// How many reads of the device have completed with a record since the driver loaded.
bool CompletedReads(uint32_t* count, DWORD* error = nullptr);

}  // namespace keyboard_filter
