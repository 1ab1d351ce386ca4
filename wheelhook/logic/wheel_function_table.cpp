#include "wheelhook/logic/wheel_function_table.h"

const WheelFunctionEntry& WheelFunctionRow(const WheelFunctionTable& table, uint32_t function) {
    return table.Rows[function < kWheelFunctionCount ? function : 0];
}

void BindLaunchCommands(WheelFunctionTable& table) {
    table.Rows[kRowExplorer].Code1 = LAUNCH_EXPLORER;
    table.Rows[kRowInternetExplorer].Code1 = LAUNCH_INTERNET_EXPLORER;
    table.Rows[kRowNetscape].Code1 = LAUNCH_NETSCAPE;
}
