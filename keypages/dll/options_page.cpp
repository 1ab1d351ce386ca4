#include "keypages/dll/options_page.h"

#include "keypages/keypages_resources.h"

namespace keypages {
namespace {

const CheckBoxField kOptionBoxes[] = {
    {IDC_PRTSCR, &KeyboardSettings::PrtScr},
    {IDC_DISABLE_CAPS_LOCK, &KeyboardSettings::DisableCapsLock},
    {IDC_DISABLE_LEFT_WINDOW, &KeyboardSettings::DisableLeftWindow},
    {IDC_DISABLE_RIGHT_WINDOW, &KeyboardSettings::DisableRightWindow},
    {IDC_DISABLE_APPLICATION, &KeyboardSettings::DisableApplication},
};

}  // namespace

CPage3::CPage3(sheetext::CShellExtension* owner) : KeyboardPage(owner, IDD_OPTIONS, SettingsGroup::Options) {}

INT_PTR CPage3::OnMessage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        LoadSettings();
        ShowCheckBoxes(page, kOptionBoxes);
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && TakeCheckBox(page, kOptionBoxes, LOWORD(wParam)))
            sheetext::MarkChanged(page);
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(page, *reinterpret_cast<const NMHDR*>(lParam));
    default:
        return FALSE;
    }
}

}  // namespace keypages
