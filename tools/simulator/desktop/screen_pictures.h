// The pictures of the whole screen that a session keeps, when PictureWanted says so
// (script/picture_rule.h), and the page that shows them beside the steps.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/capture/window_capture.h"
#include "tools/simulator/script/demo_page.h"
#include "tools/simulator/script/session_script.h"

namespace sim {

class ScreenPictures {
public:
    // folder: where the pictures and the page go (a Windows path), or empty for none.
    explicit ScreenPictures(std::string folder);

    // The folder, ending in a backslash; empty when no pictures are wanted.
    const std::string& folder() const { return folder_; }
    // A picture of `screen` after `step`: true with the file's name (in the folder) and its
    // caption. False when none was taken (a failed write is said on the error output).
    bool Take(const Step& step, bool screenshot_follows, const capture::Pixels& screen, std::string* name,
              std::string* caption);
    // Writes the page; its path, or empty when no folder was given or it failed.
    std::string WritePage(const DemoPage& page) const;

private:
    std::string folder_;
    std::vector<uint32_t> last_picture_;
    int taken_ = 0;
};

}  // namespace sim
