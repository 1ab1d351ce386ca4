// Checks that report to the kernel debugger. A failed check prints
// "Assertion failure in DriverEntry, line <n>: <expression>" and breaks into the debugger only
// when one is attached; without one the system goes on as if nothing happened.
#pragma once

#include <ddk/wdm.h>

void AssertionFailed(const char* expression, int line);

// Routines meant to run below dispatch level call this on entry: at DISPATCH_LEVEL or above it
// prints "EX: Pageable code called at IRQL <n>" and fails the check "FALSE".
void CheckPageableIrql(int line);

#define KB_CHECK(expression) ((expression) ? (void)0 : AssertionFailed(#expression, __LINE__))
#define KB_CHECK_PAGEABLE() CheckPageableIrql(__LINE__)
