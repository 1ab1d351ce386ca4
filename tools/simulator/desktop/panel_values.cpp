#include "tools/simulator/desktop/panel_values.h"

#include <windows.h>

#include "common/registry_names.h"
#include "keysettings/logic/settings_table.h"
#include "tools/simulator/desktop/words.h"

namespace sim {
namespace {

struct ValueSet {
    const char* key;
    std::vector<const char*> names;
};

// The Keyboard panel opens at its On-Screen Display page, the Mouse panel at its Wheel Button
// page; the Mouse panel writes its two pages' values together.
ValueSet ValuesOf(Panel panel) {
    if (panel == Panel::Keyboard) {
        const keysettings::SettingsKey& display = keysettings::KeysOf(keysettings::SettingsGroup::Display).keys[0];
        ValueSet set{display.path, {}};
        for (int v = 0; v < display.count; ++v) set.names.push_back(display.values[v].name);
        return set;
    }
    return {KB_REG_WHEEL,
            {KB_VAL_WHEEL_BUTTON, KB_VAL_ZOOM_SIZE, KB_VAL_ZOOM_FACTOR, KB_VAL_FUNCTION, KB_VAL_SCROLL_MODE,
             KB_VAL_SCROLL_LINE, KB_VAL_SCROLL_REVERSE}};
}

// Each value's number, or "none" when it is not stored.
std::vector<std::string> Read(const ValueSet& set) {
    std::vector<std::string> values;
    for (const char* name : set.names) {
        DWORD value = 0;
        values.push_back(ReadStoredNumber(set.key, name, &value) ? Format("%lu", value) : "none");
    }
    return values;
}

}  // namespace

void PanelValues::Before(Panel panel, SavedSettings& settings) {
    panel_ = panel;
    const ValueSet set = ValuesOf(panel);
    for (const char* name : set.names) settings.Keep(set.key, name);
    before_ = Read(set);
}

std::string PanelValues::WrittenSince() const {
    const ValueSet set = ValuesOf(panel_);
    const std::vector<std::string> now = Read(set);
    std::string changed;
    for (size_t i = 0; i < now.size() && i < before_.size(); ++i) {
        if (now[i] == before_[i]) continue;
        changed += (changed.empty() ? "" : ", ") + std::string(set.names[i]) + "=" + before_[i] + " -> " + now[i];
    }
    return changed.empty() ? std::string("it wrote no new value") : "it wrote " + changed;
}

}  // namespace sim
