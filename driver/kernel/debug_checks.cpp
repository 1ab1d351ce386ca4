#include "driver/kernel/debug_checks.h"

void AssertionFailed(const char* expression, int line) {
    DbgPrint("Assertion failure in " "DriverEntry" ", line %d: " "%s" "\n", line, expression);
    if (KD_DEBUGGER_ENABLED && !KD_DEBUGGER_NOT_PRESENT) DbgBreakPoint();
}

void CheckPageableIrql(int line) {
    const KIRQL irql = KeGetCurrentIrql();
    if (irql < DISPATCH_LEVEL) return;
    DbgPrint("EX: Pageable code called at IRQL %d\n", irql);
    AssertionFailed("FALSE", line);
}
