#include "keypages/dll/hot_keys_page.h"

#include <initializer_list>

#include "keypages/dll/hot_key_list.h"
#include "keypages/dll/select_dialog.h"
#include "keypages/logic/keypages_resources.h"
#include "keypages/logic/list_item_layout.h"
#include "sheetext/win32/module.h"

namespace keypages {
namespace {

// The list shows the five hot keys at 24 pixels each, without scrolling.
constexpr int kListHeight = kHotKeyCount * kItemHeight;

// The radio button of a choice; 0, which is none of them, for no choice.
int ControlOf(Choice choice) {
    switch (choice) {
    case Choice::None:
        return 0;
    case Choice::First:
        return IDC_FIRST_CHOICE;
    case Choice::Second:
        return IDC_SECOND_CHOICE;
    case Choice::Custom:
        break;
    }
    return IDC_CUSTOM_CHOICE;
}

void Show(HWND page, int control, bool shown) {
    ShowWindow(GetDlgItem(page, control), shown ? SW_SHOW : SW_HIDE);
}

void Enable(HWND page, int control, bool enabled) {
    EnableWindow(GetDlgItem(page, control), enabled);
}

void SetText(HWND page, int control, int string_id) {
    SetDlgItemTextA(page, control, ModuleString(string_id).get());
}

// The first choice's radio button is as wide as its text plus 80 pixels and as high as the
// text, measured on the button's own device context.
void FitToText(HWND button, const char* text) {
    WindowDc dc(button);
    RECT size = {};
    DrawTextA(dc.get(), text, -1, &size, DT_CALCRECT);
    SetWindowPos(button, nullptr, 0, 0, size.right - size.left + 80, size.bottom - size.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

CPage1::CPage1(sheetext::CShellExtension* owner) : KeyboardPage(owner, IDD_HOT_KEYS, keysettings::SettingsGroup::HotKeys) {
    for (int k = 0; k < kHotKeyCount; ++k) {
        const HotKeyResources resources = ResourcesOf(static_cast<HotKey>(k));
        item_bitmaps_[k].Load(sheetext::ModuleInstance(), resources.item_bitmap);
        pictures_[k].Load(sheetext::ModuleInstance(), resources.picture);
    }
}

void CPage1::OnInitDialog(HWND page) {
    HWND list = GetDlgItem(page, IDC_HOT_KEY_LIST);
    RECT bounds;
    GetWindowRect(list, &bounds);
    SetWindowPos(list, nullptr, 0, 0, bounds.right - bounds.left, kListHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The items carry no text of their own: each is drawn from the hot-key table by its index.
    for (int k = 0; k < kHotKeyCount; ++k) SendMessageA(list, LB_ADDSTRING, 0, k);
    SendMessageA(list, LB_SETCURSEL, current_, 0);

    HWND mail = GetDlgItem(page, IDC_MAIL_PROGRAM);
    for (int item : {IDS_MAIL_OUTLOOK_EXPRESS, IDS_MAIL_OUTLOOK})
        SendMessageA(mail, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ModuleString(item).get()));
    SendMessageA(mail, CB_SETCURSEL, static_cast<WPARAM>(static_cast<int32_t>(settings_.MailDefault)), 0);
    ShowKey(page);
    ShowChoice(page);
}

void CPage1::ShowKey(HWND page) const {
    const HotKeyResources resources = ResourcesOf(current_);
    SetText(page, IDC_KEY_GROUP, resources.group_title);
    SetText(page, IDC_DESCRIPTION, resources.description);
    SendDlgItemMessageA(page, IDC_KEY_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(pictures_[current_].get()));
    const ModuleString first_choice(resources.first_choice);
    SetDlgItemTextA(page, IDC_FIRST_CHOICE, first_choice.get());
    FitToText(GetDlgItem(page, IDC_FIRST_CHOICE), first_choice.get());
    SetText(page, IDC_CUSTOM_CHOICE, resources.custom_choice);

    const KeyControls controls = ControlsOf(current_);
    Show(page, IDC_FIRST_CHOICE, controls.choices);
    Show(page, IDC_CUSTOM_CHOICE, controls.choices);
    // The address box is enabled only once the choice is shown.
    Show(page, IDC_SEARCH_URL, controls.address);
    Enable(page, IDC_SEARCH_URL, false);
    Show(page, IDC_CHOOSE_PROGRAM, controls.program);
    Show(page, IDC_PROGRAM_NAME, controls.program);
    Show(page, IDC_MAIL_PROGRAM, controls.mail_program);
    if (controls.second_choice) SetText(page, IDC_SECOND_CHOICE, IDS_WINDOWS_EXPLORER);
    Show(page, IDC_SECOND_CHOICE, controls.second_choice);
}

void CPage1::ShowChoice(HWND page) const {
    if (current_ == kPower) return;
    const ChoiceView view = ViewOf(settings_, current_);
    // With no choice, every button of the group is cleared.
    CheckRadioButton(page, IDC_FIRST_CHOICE, IDC_CUSTOM_CHOICE, ControlOf(view.checked));
    Enable(page, IDC_CHOOSE_PROGRAM, view.custom_enabled);
    if (current_ == kSearch) {
        Enable(page, IDC_SEARCH_URL, view.custom_enabled);
        SetDlgItemTextA(page, IDC_SEARCH_URL, settings_.SearchUrl);
    } else if (view.program != nullptr) {
        SetDlgItemTextA(page, IDC_PROGRAM_NAME, view.program);
    } else {
        SetText(page, IDC_PROGRAM_NAME, IDS_NO_SELECTION);
    }
}

void CPage1::TakeAddress(HWND page) {
    keysettings::TextField address;
    GetDlgItemTextA(page, IDC_SEARCH_URL, address, sizeof address);
    keysettings::CopyToField(settings_.SearchUrl, address);
}

void CPage1::OnListSelectionChange(HWND page) {
    if (current_ == kSearch) TakeAddress(page);
    const int selected = static_cast<int>(SendDlgItemMessageA(page, IDC_HOT_KEY_LIST, LB_GETCURSEL, 0, 0));
    if (!IsHotKey(selected)) return;
    current_ = static_cast<HotKey>(selected);
    ShowKey(page);
    ShowChoice(page);
}

void CPage1::OnKeyButton(HWND page, HotKey key) {
    SendDlgItemMessageA(page, IDC_HOT_KEY_LIST, LB_SETCURSEL, key, 0);
    OnListSelectionChange(page);
}

void CPage1::OnChoice(HWND page, Choice choice) {
    Choose(settings_, current_, choice);
    sheetext::MarkChanged(page);
    ShowChoice(page);
}

void CPage1::OnChooseProgram(HWND page) {
    keysettings::TextField* path = ProgramPathOf(settings_, current_);
    keysettings::TextField* name = ProgramNameOf(settings_, current_);
    if (path == nullptr || name == nullptr) return;
    CSelectDlg dialog(*name, *path);
    if (!dialog.DoModal(page)) return;
    keysettings::CopyToField(*name, dialog.name());
    keysettings::CopyToField(*path, dialog.path());
    ShowChoice(page);
}

void CPage1::OnCommand(HWND page, int control, int code) {
    switch (control) {
    case IDC_HOT_KEY_LIST:
        if (code == LBN_SELCHANGE) OnListSelectionChange(page);
        return;
    case IDC_SEARCH_URL:
        if (code == EN_CHANGE && current_ == kSearch) TakeAddress(page);
        return;
    case IDC_MAIL_PROGRAM:
        if (code == CBN_SELCHANGE)
            settings_.MailDefault = static_cast<uint32_t>(SendDlgItemMessageA(page, IDC_MAIL_PROGRAM, CB_GETCURSEL, 0, 0));
        return;
    default:
        break;
    }
    if (code != BN_CLICKED) return;
    switch (control) {
    case IDC_SELECT_SEARCH:
        return OnKeyButton(page, kSearch);
    case IDC_SELECT_MAIL:
        return OnKeyButton(page, kMail);
    case IDC_SELECT_MY_COMPUTER:
        return OnKeyButton(page, kMyComputer);
    case IDC_SELECT_CALCULATOR:
        return OnKeyButton(page, kCalculator);
    case IDC_SELECT_POWER:
        return OnKeyButton(page, kPower);
    case IDC_FIRST_CHOICE:
        return OnChoice(page, Choice::First);
    case IDC_SECOND_CHOICE:
        return OnChoice(page, Choice::Second);
    case IDC_CUSTOM_CHOICE:
        return OnChoice(page, Choice::Custom);
    case IDC_CHOOSE_PROGRAM:
        return OnChooseProgram(page);
    default:
        return;
    }
}

bool CPage1::OnMeasureItem(MEASUREITEMSTRUCT& item) const {
    if (item.CtlType != ODT_LISTBOX || item.CtlID != IDC_HOT_KEY_LIST) return false;
    item.itemHeight = kItemHeight;
    return true;
}

bool CPage1::OnDrawItem(const DRAWITEMSTRUCT& item) const {
    if (item.CtlType != ODT_LISTBOX || item.CtlID != IDC_HOT_KEY_LIST) return false;
    if (!IsHotKey(static_cast<int>(item.itemID))) return true;
    const HotKey key = static_cast<HotKey>(item.itemID);
    DrawHotKeyItem(item, item_bitmaps_[key].get(), ModuleString(ResourcesOf(key).list_text).get());
    return true;
}

// The owner-drawn list asks for its item height as it is made, before WM_INITDIALOG.
INT_PTR CPage1::OnPageMessage(HWND, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
    case WM_MEASUREITEM:
        return OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DRAWITEM:
        return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    default:
        return FALSE;
    }
}

}  // namespace keypages
