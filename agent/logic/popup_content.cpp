#include "agent/logic/popup_content.h"

#include "common/program_modes.h"

namespace {

const char* const kWebCaptions[] = {"Back", "Forward", "Stop", "Refresh", "Web/Home", "Favorites"};
const char* const kMediaCaptions[] = {"Play/Pause", "Stop", "Prev", "Next", "Mute", "Vol -", "Vol +"};
const char* const kOfficeCaptions[] = {"Word", "Excel", "Power Point", "Outlook"};
const char* const kOfficeMissingCaptions[] = {"Word not found", "Excel not found", "Power Point not found",
                                              "Outlook not found"};
constexpr int kProgramCaptionCount = 4;
// Play/Pause, Stop, Prev and Next, when the chosen player's program is nowhere to be found.
constexpr int kMediaMissingCount = 4;
constexpr int kVolumeDownIndex = 5;
constexpr int kVolumeUpIndex = 6;

template <typename T, int N>
constexpr int CountOf(T (&)[N]) {
    return N;
}

const char* ProgramCaption(int index, const KeyboardSettings& settings) {
    switch (index) {
    case 0:
        return settings.SearchMode == KB_MODE_CUSTOM ? settings.SearchUrl : "Search Internet";
    case 1:
        return settings.MailMode == KB_MODE_CUSTOM ? settings.MailCustom : "Mail";
    case 2:
        if (settings.MyComputerMode == KB_MODE_CUSTOM) return settings.MyComputerCustom;
        return settings.MyComputerMode == KB_MODE_DEFAULT ? "My Computer" : "Windows Explorer";
    case 3:
        return settings.CalculatorMode == KB_MODE_CUSTOM ? settings.CalculatorCustom : "Calculator";
    default:
        return nullptr;
    }
}

}  // namespace

int PopupBitmapId(OsdGroup group) {
    switch (group) {
    case OsdGroup::Web:
        return KB_IDB_POPUP_WEB;
    case OsdGroup::Media:
    case OsdGroup::MediaMissing:
        return KB_IDB_POPUP_MEDIA;
    case OsdGroup::Program:
        return KB_IDB_POPUP_PROGRAM;
    case OsdGroup::Office:
    case OsdGroup::OfficeMissing:
        return KB_IDB_POPUP_OFFICE;
    }
    return 0;
}

int PopupEntryCount(OsdGroup group) {
    switch (group) {
    case OsdGroup::Web:
        return CountOf(kWebCaptions);
    case OsdGroup::Media:
        return CountOf(kMediaCaptions);
    case OsdGroup::Program:
        return kProgramCaptionCount;
    case OsdGroup::Office:
    case OsdGroup::OfficeMissing:
        return CountOf(kOfficeCaptions);
    case OsdGroup::MediaMissing:
        return kMediaMissingCount;
    }
    return 0;
}

bool PopupShowsVolumeBar(OsdGroup group, int index) {
    return group == OsdGroup::Media && (index == kVolumeDownIndex || index == kVolumeUpIndex);
}

const char* PopupCaption(OsdGroup group, int index, const KeyboardSettings& settings) {
    if (index < 0 || index >= PopupEntryCount(group) || PopupShowsVolumeBar(group, index)) return nullptr;
    switch (group) {
    case OsdGroup::Web:
        return kWebCaptions[index];
    case OsdGroup::Media:
        return kMediaCaptions[index];
    case OsdGroup::Program:
        return ProgramCaption(index, settings);
    case OsdGroup::Office:
        return kOfficeCaptions[index];
    case OsdGroup::OfficeMissing:
        return kOfficeMissingCaptions[index];
    case OsdGroup::MediaMissing:
        return "Media Player not found";
    }
    return nullptr;
}
