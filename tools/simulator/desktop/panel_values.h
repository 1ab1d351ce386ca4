// The values a control panel's shown page may write: kept before the panel opens, to be put
// back after the session, and read again when it closes, to tell what its OK wrote.
#pragma once

#include <string>
#include <vector>

#include "tools/simulator/desktop/control_panel.h"
#include "tools/simulator/desktop/saved_settings.h"

namespace sim {

class PanelValues {
public:
    // Keeps the panel's values in `settings` and reads them as they are before it opens.
    void Before(Panel panel, SavedSettings& settings);
    // "it wrote NAME=OLD -> NEW, ..." for what changed since Before, or that nothing did.
    std::string WrittenSince() const;

private:
    Panel panel_ = Panel::Keyboard;
    std::vector<std::string> before_;  // each value's number, or "none"
};

}  // namespace sim
