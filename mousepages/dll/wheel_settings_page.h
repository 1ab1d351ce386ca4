// What both wheel pages share: a page of the Mouse control panel whose values go to the wheel
// settings key, after which the running wheel hook is told to read them again.
#pragma once

#include <windows.h>

#include "sheetext/win32/settings_page.h"

namespace mousepages {

class WheelSettingsPage : public sheetext::CSettingsPage {
protected:
    using CSettingsPage::CSettingsPage;

    // Marks the page changed unless the page is still filling its controls: setting a text or
    // an up-down's position as the page opens notifies the page like typing does.
    void Changed(HWND page) const;
    bool opening_ = false;
};

// Every top-level window hears that the settings changed; the wheel hook's zoom window answers
// by reloading them. A hung window does not hold the page.
void AnnounceSettingsChange();

}  // namespace mousepages
