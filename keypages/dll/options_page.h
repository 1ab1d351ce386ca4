// CPage3, "Options": the Print Screen instructions and the four keys that can be turned off.
#pragma once

#include "keypages/dll/keyboard_page.h"

namespace keypages {

class CPage3 : public KeyboardPage {
public:
    explicit CPage3(sheetext::CShellExtension* owner);

protected:
    INT_PTR OnMessage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace keypages
