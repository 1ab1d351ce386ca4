#include "keypages/dll/display_page.h"

#include "common/display_times.h"
#include "keypages/logic/keypages_resources.h"

namespace keypages {
namespace {

const CheckBoxField kDisplayBoxes[] = {
    {IDC_SHOW_SEARCH, &KeyboardSettings::ShowSearch},
    {IDC_SHOW_MAIL, &KeyboardSettings::ShowMail},
    {IDC_SHOW_MEDIA, &KeyboardSettings::ShowMedia},
    {IDC_SHOW_VOLUME, &KeyboardSettings::ShowVolume},
    {IDC_SHOW_MY_COMPUTER, &KeyboardSettings::ShowMyComputer},
    {IDC_SHOW_CALCULATOR, &KeyboardSettings::ShowCalculator},
};

}  // namespace

CPage2::CPage2(sheetext::CShellExtension* owner) : KeyboardPage(owner, IDD_ON_SCREEN_DISPLAY, keysettings::SettingsGroup::Display) {}

void CPage2::OnInitDialog(HWND page) {
    for (uint32_t i = 0; i < KB_DISPLAY_TIME_COUNT; ++i) {
        ModuleString time(IDS_DISPLAY_TIME_FIRST + i);
        SendDlgItemMessageA(page, IDC_DISPLAY_TIME, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(time.get()));
    }
    ShowCheckBoxes(page, kDisplayBoxes);
    // A stored position outside the list shows no selection and is kept as it is.
    SendDlgItemMessageA(page, IDC_DISPLAY_TIME, CB_SETCURSEL, static_cast<WPARAM>(static_cast<int32_t>(settings_.Delay)),
                        0);
}

void CPage2::OnCommand(HWND page, int control, int code) {
    if (code == BN_CLICKED && TakeCheckBox(page, kDisplayBoxes, control)) {
        sheetext::MarkChanged(page);
    } else if (control == IDC_DISPLAY_TIME && code == CBN_SELCHANGE) {
        settings_.Delay = static_cast<uint32_t>(SendDlgItemMessageA(page, IDC_DISPLAY_TIME, CB_GETCURSEL, 0, 0));
        sheetext::MarkChanged(page);
    }
}

}  // namespace keypages
