#include "mousepages/dll/wheel_button_page.h"

#include <commctrl.h>

#include <initializer_list>

#include "mousepages/logic/mousepages_resources.h"
#include "registry/win32/win32_registry.h"

namespace mousepages {
namespace {

// The radio buttons, by the mode each stands for.
constexpr int kChoices[KB_WHEEL_BUTTON_MODE_COUNT] = {IDC_ZOOM, IDC_AUTO_SCROLL, IDC_OTHER_FUNCTIONS};

// The choice whose radio button is selected, or -1 when none is.
int SelectedChoice(HWND page) {
    for (int choice = 0; choice < static_cast<int>(KB_WHEEL_BUTTON_MODE_COUNT); ++choice)
        if (IsDlgButtonChecked(page, kChoices[choice]) == BST_CHECKED) return choice;
    return -1;
}

void ApplyEnablingRule(HWND page) {
    const int choice = SelectedChoice(page);
    if (choice < 0) return;
    const ButtonControls enabled = EnabledFor(choice);
    for (int control : {IDC_ZOOM_SIZE, IDC_ZOOM_FACTOR, IDC_ZOOM_SIZE_SPIN, IDC_ZOOM_FACTOR_SPIN})
        EnableWindow(GetDlgItem(page, control), enabled.zoom);
    EnableWindow(GetDlgItem(page, IDC_FUNCTION_LIST), enabled.functions);
}

// The up-down takes its position as a 16-bit value and keeps it within its range.
void SetUpDown(HWND page, int control, int low, int high, uint32_t position) {
    SendDlgItemMessageA(page, control, UDM_SETRANGE, 0, MAKELPARAM(high, low));
    SendDlgItemMessageA(page, control, UDM_SETPOS, 0, MAKELPARAM(static_cast<WORD>(position), 0));
}

uint32_t UpDownReply(HWND page, int control) {
    return static_cast<uint32_t>(SendDlgItemMessageA(page, control, UDM_GETPOS, 0, 0));
}

}  // namespace

CPage2::CPage2(sheetext::CShellExtension* owner) : WheelSettingsPage(owner, IDD_WHEEL_BUTTON) {}

void CPage2::LoadSettings() {
    reg::Win32Registry registry;
    values_ = LoadButtonValues(registry);
}

void CPage2::OnInitDialog(HWND page) {
    opening_ = true;
    CheckRadioButton(page, IDC_ZOOM, IDC_OTHER_FUNCTIONS, kChoices[WheelButtonChoice(values_.WheelButton)]);
    SetUpDown(page, IDC_ZOOM_SIZE_SPIN, 0, kMaxZoomSize, values_.ZoomSize);
    SetUpDown(page, IDC_ZOOM_FACTOR_SPIN, kMinZoomFactor, kMaxZoomFactor, values_.ZoomFactor);
    for (const char* name : kFunctionNames)
        SendDlgItemMessageA(page, IDC_FUNCTION_LIST, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendDlgItemMessageA(page, IDC_FUNCTION_LIST, CB_SETCURSEL, static_cast<WPARAM>(FunctionRowShown(values_.Function)), 0);
    ApplyEnablingRule(page);
    opening_ = false;
}

void CPage2::OnCommand(HWND page, int control, int code) {
    if (code == BN_CLICKED && (control == IDC_ZOOM || control == IDC_AUTO_SCROLL || control == IDC_OTHER_FUNCTIONS)) {
        ApplyEnablingRule(page);
        Changed(page);
    } else if ((code == CBN_SELCHANGE && control == IDC_FUNCTION_LIST) ||
               (code == EN_CHANGE && (control == IDC_ZOOM_SIZE || control == IDC_ZOOM_FACTOR))) {
        Changed(page);
    }
}

void CPage2::OnApply(HWND page) {
    values_.ZoomSize = PositionInRange(UpDownReply(page, IDC_ZOOM_SIZE_SPIN), values_.ZoomSize, 0, kMaxZoomSize);
    values_.ZoomFactor =
        PositionInRange(UpDownReply(page, IDC_ZOOM_FACTOR_SPIN), values_.ZoomFactor, kMinZoomFactor, kMaxZoomFactor);
    values_.Function =
        FunctionRowSaved(static_cast<int>(SendDlgItemMessageA(page, IDC_FUNCTION_LIST, CB_GETCURSEL, 0, 0)));
    const int choice = SelectedChoice(page);
    if (choice >= 0) values_.WheelButton = static_cast<uint32_t>(choice);
    reg::Win32Registry registry;
    SaveButtonValues(registry, values_);
    AnnounceSettingsChange();
}

}  // namespace mousepages
