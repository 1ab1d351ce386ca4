#include "agent/win32/master_volume.h"

namespace {

constexpr DWORD kMasterLineId = 0xFFFF0000;

static_assert(sizeof(void*) != 4 || sizeof(MIXERLINEA) == 168, "the 32-bit mixer line record");
static_assert(sizeof(void*) != 4 || sizeof(MIXERLINECONTROLSA) == 24, "the 32-bit line-controls record");
static_assert(sizeof(void*) != 4 || sizeof(MIXERCONTROLDETAILS) == 24, "the 32-bit control-details record");

DWORD ControlType(MasterControl control) {
    return control == MasterControl::Volume ? MIXERCONTROL_CONTROLTYPE_VOLUME : MIXERCONTROL_CONTROLTYPE_MUTE;
}

HMIXEROBJ AsObject(HMIXER mixer) { return reinterpret_cast<HMIXEROBJ>(mixer); }

bool FindControl(HMIXER mixer, DWORD line_id, DWORD type, MIXERCONTROLA& control) {
    control = MIXERCONTROLA{};
    control.cbStruct = sizeof control;
    MIXERLINECONTROLSA controls{};
    controls.cbStruct = sizeof controls;
    controls.dwLineID = line_id;
    controls.dwControlType = type;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof control;
    controls.pamxctrl = &control;
    if (mixerGetLineControlsA(AsObject(mixer), &controls, MIXER_GETLINECONTROLSF_ONEBYTYPE | MIXER_OBJECTF_HMIXER) !=
        MMSYSERR_NOERROR)
        return false;
    // The value is read into one 4-byte field: a control with several items per channel would
    // be written past it, so such a control is left alone.
    return control.cMultipleItems <= 1;
}

// One channel, one unsigned value.
MIXERCONTROLDETAILS OneValue(const MIXERCONTROLA& control, MIXERCONTROLDETAILS_UNSIGNED& value) {
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = control.dwControlID;
    details.cChannels = 1;
    details.cMultipleItems = control.cMultipleItems;
    details.cbDetails = sizeof value;
    details.paDetails = &value;
    return details;
}

bool ReadValue(HMIXER mixer, const MIXERCONTROLA& control, uint32_t& value) {
    MIXERCONTROLDETAILS_UNSIGNED read{};
    MIXERCONTROLDETAILS details = OneValue(control, read);
    // NOLINTNEXTLINE(misc-redundant-expression): the headers define two of these flags as 0; written as documented
    if (mixerGetControlDetailsA(AsObject(mixer), &details, MIXER_GETCONTROLDETAILSF_VALUE | MIXER_OBJECTF_HMIXER) !=
        MMSYSERR_NOERROR)
        return false;
    value = read.dwValue;
    return true;
}

bool WriteValue(HMIXER mixer, const MIXERCONTROLA& control, uint32_t value) {
    MIXERCONTROLDETAILS_UNSIGNED written{};
    written.dwValue = value;
    MIXERCONTROLDETAILS details = OneValue(control, written);
    // NOLINTNEXTLINE(misc-redundant-expression): the headers define two of these flags as 0; written as documented
    return mixerSetControlDetails(AsObject(mixer), &details, MIXER_SETCONTROLDETAILSF_VALUE | MIXER_OBJECTF_HMIXER) ==
           MMSYSERR_NOERROR;
}

}  // namespace

MasterVolumeMixer::MasterVolumeMixer() {
    HMIXER mixer = nullptr;
    if (mixerOpen(&mixer, 0, 0, 0, 0) != MMSYSERR_NOERROR) return;
    mixer_ = mixer;
    MIXERCAPSA caps{};
    if (mixerGetDevCapsA(0, &caps, sizeof caps) == MMSYSERR_NOERROR) destinations_ = caps.cDestinations;
}

MasterVolumeMixer::~MasterVolumeMixer() {
    if (mixer_) mixerClose(mixer_);
}

// Calls visit(control) for the control of `control`'s type on every destination line whose
// identifier is the master line's; stops early when visit returns false. True if one was visited.
template <typename Visit>
bool MasterVolumeMixer::ForEachMasterControl(MasterControl control, Visit visit) const {
    bool visited = false;
    for (DWORD destination = 0; mixer_ && destination < destinations_; ++destination) {
        MIXERLINEA line{};
        line.cbStruct = sizeof line;
        line.dwDestination = destination;
        line.dwSource = 0;
        // NOLINTNEXTLINE(misc-redundant-expression): the headers define two of these flags as 0; written as documented
        if (mixerGetLineInfoA(AsObject(mixer_), &line, MIXER_GETLINEINFOF_DESTINATION | MIXER_OBJECTF_HMIXER) !=
            MMSYSERR_NOERROR)
            continue;
        if (line.dwLineID != kMasterLineId) continue;
        MIXERCONTROLA found;
        if (!FindControl(mixer_, line.dwLineID, ControlType(control), found)) continue;
        visited = true;
        if (!visit(found)) break;
    }
    return visited;
}

bool MasterVolumeMixer::Get(MasterControl control, uint32_t& value) const {
    bool read = false;
    ForEachMasterControl(control, [&](const MIXERCONTROLA& found) {
        read = ReadValue(mixer_, found, value);
        return !read;
    });
    return read;
}

bool MasterVolumeMixer::Set(MasterControl control, uint32_t value) {
    bool written = false;
    ForEachMasterControl(control, [&](const MIXERCONTROLA& found) {
        written = WriteValue(mixer_, found, value) || written;
        return true;
    });
    return written;
}

bool MasterVolumeMixer::Apply(VolumeAction action, uint32_t& level) {
    const MasterControl control = IsVolumeStep(action) ? MasterControl::Volume : MasterControl::Mute;
    bool changed = false;
    ForEachMasterControl(control, [&](const MIXERCONTROLA& found) {
        uint32_t value = 0;
        if (!ReadValue(mixer_, found, value)) return true;
        const uint32_t new_value = NewControlValue(action, value);
        if (IsVolumeStep(action)) level = new_value;
        changed = WriteValue(mixer_, found, new_value) || changed;
        return true;
    });
    return changed;
}

bool ChangeMasterVolume(VolumeAction action, uint32_t& level) {
    MasterVolumeMixer mixer;
    return mixer.Apply(action, level);
}
