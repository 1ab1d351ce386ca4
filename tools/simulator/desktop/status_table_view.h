// The hot-key filter's status table while the agent holds the filter's reader: asked for on a
// handle of its own beside it, and told whenever it changed since the last look.
#pragma once

#include "common/control_interface.h"
#include "tools/simulator/desktop/words.h"

namespace sim {

class StatusTableView {
public:
    // The first look only takes the table in; later ones say it when it changed.
    void Observe(Lines* said);

private:
    RF_DATA last_table_ = {};
    bool have_table_ = false;
};

}  // namespace sim
