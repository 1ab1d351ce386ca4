// The media-select window (class "OVRFSELECTZRK"): a list of the players found on this machine;
// Enter or a double click chooses one, which the media keys then control.
#pragma once

constexpr int kSelectListId = 100;
