#include "agent/logic/volume_steps.h"

uint32_t NewControlValue(VolumeAction action, uint32_t value) {
    switch (action) {
    case VolumeAction::StepDown:
        return value >= kVolumeStep ? value - kVolumeStep : 0;
    case VolumeAction::StepUp:
        return value >= kVolumeMax - kVolumeStep ? kVolumeMax : value + kVolumeStep;
    case VolumeAction::ToggleMute:
        return value == 0 ? 1 : 0;
    }
    return value;
}

bool IsVolumeStep(VolumeAction action) { return action != VolumeAction::ToggleMute; }
