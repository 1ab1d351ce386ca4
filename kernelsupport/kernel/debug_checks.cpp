#include "kernelsupport/kernel/debug_checks.h"

void AssertionFailed(const char* source, int line, const char* expression) {
    DbgPrint("Assertion failure in %s, line %d: %s\n", source, line, expression);
    if (KD_DEBUGGER_ENABLED && !KD_DEBUGGER_NOT_PRESENT) DbgBreakPoint();
}

void CheckPageableIrql(const char* source, int line) {
    const KIRQL irql = KeGetCurrentIrql();
    if (irql < DISPATCH_LEVEL) return;
    DbgPrint("EX: Pageable code called at IRQL %d\n", irql);
    AssertionFailed(source, line, "FALSE");
}
