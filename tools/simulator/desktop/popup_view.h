// The agent's popup as a user sees it: shown or not, where, and what it says, read from its
// pixels (its caption, or the volume bar's green segments). A state not seen before leaves a
// picture of the popup alone.
#pragma once

#include <string>

#include "tools/simulator/desktop/words.h"

namespace sim {

class PopupView {
public:
    // pictures: the folder of the pictures (ending in a backslash), or empty for none.
    explicit PopupView(std::string pictures) : pictures_(std::move(pictures)) {}

    // Says what changed since the last look.
    void Observe(Lines* said);
    // The picture the last look took, once: true with the file's name and its caption.
    bool TakePicture(std::string* name, std::string* caption);

private:
    std::string pictures_;
    std::string last_state_;
    int pictures_taken_ = 0;
    std::string picture_, caption_;  // the picture not yet handed over
};

}  // namespace sim
