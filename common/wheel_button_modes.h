// "Wheel Button": what a press of the wheel button does, as the Mouse control panel's page
// stores it and the wheel hook acts on it, and the rows of the wheel-button function table
// ("Function"), whose positions are also those of the names in the page's list.
#pragma once

#include <stdint.h>

constexpr uint32_t KB_WHEEL_BUTTON_ZOOM = 0;
constexpr uint32_t KB_WHEEL_BUTTON_AUTO_SCROLL = 1;
constexpr uint32_t KB_WHEEL_BUTTON_FUNCTION = 2;  // the function of row "Function"
constexpr uint32_t KB_WHEEL_BUTTON_MODE_COUNT = 3;

constexpr uint32_t KB_WHEEL_FUNCTION_COUNT = 31;
