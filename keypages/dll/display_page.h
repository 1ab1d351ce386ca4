// CPage2, "On-Screen Display": for which hot keys the agent shows its popup, and for how long.
#pragma once

#include "keypages/dll/keyboard_page.h"

namespace keypages {

class CPage2 : public KeyboardPage {
public:
    explicit CPage2(sheetext::CShellExtension* owner);

private:
    void OnInitDialog(HWND page) override;
    void OnCommand(HWND page, int control, int code) override;
};

}  // namespace keypages
