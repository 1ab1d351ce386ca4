#include "mousepages/dll/wheel_settings_page.h"

namespace mousepages {

void WheelSettingsPage::Changed(HWND page) const {
    if (!opening_) sheetext::MarkChanged(page);
}

void AnnounceSettingsChange() {
    SendMessageA(HWND_BROADCAST, WM_WININICHANGE, 0, 0);
}

}  // namespace mousepages
