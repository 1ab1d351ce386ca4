// The master volume and mute of the first mixer: the destination line 0xFFFF0000 ("Master
// Volume") with its volume and mute controls, through the platform's mixer interface.
#pragma once

#include <windows.h>

#include <cstdint>

#include "agent/logic/volume_steps.h"

enum class MasterControl { Volume, Mute };

// Mixer 0, open for as long as the object lives. With no mixer, or none with a master line,
// every call reports failure and changes nothing.
class MasterVolumeMixer {
public:
    MasterVolumeMixer();
    ~MasterVolumeMixer();
    MasterVolumeMixer(const MasterVolumeMixer&) = delete;
    MasterVolumeMixer& operator=(const MasterVolumeMixer&) = delete;

    bool IsOpen() const { return mixer_ != nullptr; }

    // The control's value on the first master line that has it.
    bool Get(MasterControl control, uint32_t& value) const;

    // Writes `value` to the control of every master line that has it; true if one took it.
    bool Set(MasterControl control, uint32_t value);

    // The volume keys' one routine: every master line's control read, stepped or toggled, and
    // written back. For the steps `level` gets the new volume; with no line changed it keeps
    // its value. True if a line changed.
    bool Apply(VolumeAction action, uint32_t& level);

private:
    template <typename Visit>
    bool ForEachMasterControl(MasterControl control, Visit visit) const;

    HMIXER mixer_ = nullptr;
    DWORD destinations_ = 0;
};

// What `DispatchHotKey` calls for codes 11 to 13: opens the mixer, applies `action`, closes it.
bool ChangeMasterVolume(VolumeAction action, uint32_t& level);
