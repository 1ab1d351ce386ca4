// The master volume's arithmetic: steps of 1024 between 0 and 0xFFFF, 64 steps from silence to
// full, and the mute switched over.
#pragma once

#include <cstdint>

enum class VolumeAction { ToggleMute = 0, StepDown = 1, StepUp = 2 };

constexpr uint32_t kVolumeStep = 1024;
constexpr uint32_t kVolumeMax = 0xFFFF;

// The control's new value from its current one: the volume for the steps, the mute flag (0 or
// 1) for ToggleMute.
uint32_t NewControlValue(VolumeAction action, uint32_t value);

// The steps change the volume control (and the popup's level); the mute its own control.
bool IsVolumeStep(VolumeAction action);
