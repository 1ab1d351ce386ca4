#include "wheelhook/logic/wheel_function_table.h"

const WheelFunctionEntry& WheelFunctionRow(const WheelFunctionTable& table, uint32_t function) {
    return table.Rows[function < KB_WHEEL_FUNCTION_COUNT ? function : 0];
}

void BindLaunchCommands(WheelFunctionTable& table) {
    table.Rows[kRowExplorer].Code1 = kLaunchExplorer;
    table.Rows[kRowInternetExplorer].Code1 = kLaunchInternetExplorer;
    table.Rows[kRowNetscape].Code1 = kLaunchNetscape;
}
