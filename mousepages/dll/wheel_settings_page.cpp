#include "mousepages/dll/wheel_settings_page.h"

#include "sheetext/win32/settings_notice.h"

namespace mousepages {

void WheelSettingsPage::Changed(HWND page) const {
    if (!opening_) sheetext::MarkChanged(page);
}

void AnnounceSettingsChange() {
    sheetext::SendSettingsNotice(HWND_BROADCAST);
}

}  // namespace mousepages
