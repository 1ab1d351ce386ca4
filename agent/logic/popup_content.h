// What the on-screen popup shows: a group of hot keys, a picture of the group's strip and a
// caption, or the volume bar for the two volume steps.
#pragma once

#include "agent/logic/popup_resources.h"
#include "keysettings/logic/keyboard_settings.h"

// OfficeMissing and MediaMissing: the application or player a key starts could not be found.
enum class OsdGroup { Web = 0, Media = 1, Program = 2, Office = 3, OfficeMissing = 4, MediaMissing = 5 };

// The bitmap strips (popup_resources.h) hold one 24 x 24 picture per index.
constexpr int kPopupPictureSize = 24;

// The strip a group draws from.
int PopupBitmapId(OsdGroup group);

// How many pictures and captions the group has; an index outside 0 to count - 1 shows nothing.
int PopupEntryCount(OsdGroup group);

// The Media group's "Vol -" and "Vol +" draw the volume bar instead of a caption.
bool PopupShowsVolumeBar(OsdGroup group, int index);

// The caption, or nullptr for the volume bar and for an index the group doesn't have. The
// Program group names the custom program or the chosen mode from `settings`.
const char* PopupCaption(OsdGroup group, int index, const KeyboardSettings& settings);
