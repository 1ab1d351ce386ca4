// CPage3, "Options": the Print Screen instructions and the four keys that can be turned off.
#pragma once

#include "keypages/dll/keyboard_page.h"

namespace keypages {

class CPage3 : public KeyboardPage {
public:
    explicit CPage3(sheetext::CShellExtension* owner);

private:
    void OnInitDialog(HWND page) override;
    void OnCommand(HWND page, int control, int code) override;
};

}  // namespace keypages
