// CPage2, "Wheel Button": zoom with its size and factor, auto scroll, or one of the functions.
#pragma once

#include "mousepages/dll/wheel_settings_page.h"
#include "mousepages/logic/wheel_values.h"

namespace mousepages {

class CPage2 : public WheelSettingsPage {
public:
    explicit CPage2(sheetext::CShellExtension* owner);

private:
    void LoadSettings() override;
    void OnInitDialog(HWND page) override;
    void OnCommand(HWND page, int control, int code) override;
    void OnApply(HWND page) override;

    ButtonValues values_ = {};
};

}  // namespace mousepages
