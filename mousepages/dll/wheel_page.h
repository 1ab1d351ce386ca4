// CPage1, "Wheel": line or page scrolling, the lines per notch, and the reverse direction.
#pragma once

#include "mousepages/dll/wheel_settings_page.h"
#include "mousepages/logic/wheel_values.h"

namespace mousepages {

class CPage1 : public WheelSettingsPage {
public:
    explicit CPage1(sheetext::CShellExtension* owner);

private:
    void LoadSettings() override;
    void OnInitDialog(HWND page) override;
    void OnCommand(HWND page, int control, int code) override;
    void OnApply(HWND page) override;

    WheelValues values_ = {};
    uint32_t opened_lines_ = 0;  // the lines the page opened with
};

}  // namespace mousepages
