#include "keypages/dll/keyboard_page.h"

#include "common/window_classes.h"
#include "registry/win32/win32_registry.h"
#include "sheetext/win32/module.h"
#include "sheetext/win32/settings_notice.h"

namespace keypages {

void KeyboardPage::LoadSettings() {
    popup_ = FindWindowA(KB_CLASS_AGENT_POPUP, nullptr);
    settings_ = KeyboardSettings{};
    reg::Win32Registry registry;
    keysettings::ReadSettings(registry, group_, settings_);
}

void KeyboardPage::OnApply(HWND) {
    reg::Win32Registry registry;
    keysettings::WriteSettings(registry, group_, settings_);
    // The agent reloads its settings before this returns, unless it hangs.
    if (popup_ != nullptr) sheetext::SendSettingsNotice(popup_);
}

ModuleString::ModuleString(int id) {
    if (LoadStringA(sheetext::ModuleInstance(), id, text_, sizeof text_) <= 0) text_[0] = '\0';
}

}  // namespace keypages
