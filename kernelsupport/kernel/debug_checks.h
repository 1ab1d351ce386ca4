// Checks that report to the kernel debugger. A failed check prints
// "Assertion failure in <source file>, line <n>: <expression>" and breaks into the debugger only
// when one is attached; without one the system goes on as if nothing happened.
#pragma once

#include <ddk/wdm.h>

void AssertionFailed(const char* source, int line, const char* expression);

// Routines meant to run below dispatch level call this on entry: at DISPATCH_LEVEL or above it
// prints "EX: Pageable code called at IRQL <n>" and fails the check "FALSE".
void CheckPageableIrql(const char* source, int line);

// __FILE_NAME__: the source file's own name, without the folders the build gave it.
#define KB_CHECK(expression) ((expression) ? (void)0 : AssertionFailed(__FILE_NAME__, __LINE__, #expression))
#define KB_CHECK_PAGEABLE() CheckPageableIrql(__FILE_NAME__, __LINE__)
