// The tray's icons as the notification area shows them: trayicon.dll's own icon resources looked
// for, pixel by pixel, in a picture of the screen's taskbar. What a user sees there, told in
// words, without asking the agent.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tools/capture/window_capture.h"

namespace sim {

class TrayIcons {
public:
    // Reads the icons from trayicon.dll in the program's folder.
    TrayIcons();

    // The tray's icons found in the bottom strip of the screen, in words, left to right; empty
    // when none is there.
    std::string Describe(const capture::Pixels& screen) const;

private:
    struct Icon {
        std::string meaning;
        std::vector<uint32_t> rgb;     // 16 x 16
        std::vector<bool> opaque;
    };
    bool Matches(const Icon& icon, const capture::Pixels& screen, int left, int top) const;

    std::vector<Icon> icons_;
};

}  // namespace sim
