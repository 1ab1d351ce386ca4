// What the popup draws: the group's picture, then its caption or the volume bar.
#pragma once

#include <windows.h>

#include <cstdint>

#include "agent/logic/popup_content.h"
#include "keysettings/logic/keyboard_settings.h"

// The four picture strips, loaded when the popup is created and deleted when it is destroyed.
// A strip that failed to load is null and leaves its pictures blank.
struct PopupPictures {
    HBITMAP program;
    HBITMAP web;
    HBITMAP media;
    HBITMAP office;
};

PopupPictures LoadPopupPictures(HINSTANCE instance);
void DeletePopupPictures(PopupPictures& pictures);

struct PopupContent {
    OsdGroup group;
    int index;
    uint32_t level;  // the master volume the bar shows
};

// WM_PAINT. The volume bar also writes its level to the agent's log.
void PaintPopup(HWND popup, const PopupPictures& pictures, const PopupContent& content,
                const KeyboardSettings& settings);
