// CPage2, "On-Screen Display": for which hot keys the agent shows its popup, and for how long.
#pragma once

#include "keypages/dll/keyboard_page.h"

namespace keypages {

class CPage2 : public KeyboardPage {
public:
    explicit CPage2(sheetext::CShellExtension* owner);

protected:
    INT_PTR OnMessage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnInitDialog(HWND page);
    void OnCommand(HWND page, int control, int code);
};

}  // namespace keypages
