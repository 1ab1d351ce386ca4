#include "keypages/dll/options_page.h"

#include "keypages/logic/keypages_resources.h"

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

CPage3::CPage3(sheetext::CShellExtension* owner) : KeyboardPage(owner, IDD_OPTIONS, keysettings::SettingsGroup::Options) {}

void CPage3::OnInitDialog(HWND page) {
    ShowCheckBoxes(page, kOptionBoxes);
}

void CPage3::OnCommand(HWND page, int control, int code) {
    if (code == BN_CLICKED && TakeCheckBox(page, kOptionBoxes, control)) sheetext::MarkChanged(page);
}

}  // namespace keypages
