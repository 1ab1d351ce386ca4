// The settings a session writes as the control panels would, each with the notice its page
// sends after writing: the popup's display time for every key group, the player the media keys
// drive, and the wheel button's zoom.
#pragma once

#include "tools/simulator/desktop/saved_settings.h"
#include "tools/simulator/desktop/words.h"
#include "tools/simulator/script/session_script.h"

namespace sim {

// Plays a "set" step; false when the step names no setting.
bool WriteSetting(const Step& step, SavedSettings& settings, Lines* said);

}  // namespace sim
