#include "statusapplet/win32/skyrel_status.h"

#include <string.h>

#include "deviceclient/control_devices.h"
#include "keysettings/logic/usb_lock_value.h"
#include "registry/win32/win32_registry.h"
#include "statusapplet/logic/applet_resources.h"
#include "statusapplet/logic/status_layout.h"
#include "statusapplet/win32/status_background.h"

namespace applet {
namespace {

constexpr int kIconSize = 16;
constexpr int kTextLength = 16;

// The battery pictures are 16-colour bitmaps drawn on the grey that this maps to the button
// face, so they sit on the dialog without a box around them.
HBITMAP LoadBatteryBitmap(HINSTANCE instance, int resource) {
    return static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(resource), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
}

HICON LoadSmallIcon(HINSTANCE instance, int resource) {
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(resource), IMAGE_ICON, kIconSize, kIconSize, 0));
}

void DeleteBitmap(HBITMAP& bitmap) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    bitmap = nullptr;
}

void DeleteIcon(HICON& icon) {
    if (icon != nullptr) DestroyIcon(icon);
    icon = nullptr;
}

}  // namespace

void CSkyrelStatus::Run(HINSTANCE instance, HWND parent, int) {
    CSkyrelStatus dialog(instance);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(KB_IDD_SKYREL_STATUS), parent, &CSkyrelStatus::DialogProc,
                    reinterpret_cast<LPARAM>(&dialog));
}

CSkyrelStatus::~CSkyrelStatus() {
    // The dialog and its controls are gone by now, and with them every use of the pictures.
    DeleteBitmap(logo_);
    DeleteBitmap(battery_good_);
    DeleteBitmap(battery_low_);
    DeleteBitmap(battery_none_);
    DeleteIcon(chosen_icon_);
    DeleteIcon(other_icon_);
}

INT_PTR CALLBACK CSkyrelStatus::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Only the dialog's own making carries the object: any process may send WM_INITDIALOG later,
    // with any lParam.
    if (message == WM_INITDIALOG && GetWindowLongPtrA(window, DWLP_USER) == 0) {
        CSkyrelStatus* dialog = reinterpret_cast<CSkyrelStatus*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        dialog->OnInitDialog(window);
        return TRUE;
    }
    CSkyrelStatus* dialog = reinterpret_cast<CSkyrelStatus*>(GetWindowLongPtrA(window, DWLP_USER));
    return dialog != nullptr ? dialog->OnMessage(message, wParam, lParam) : FALSE;
}

INT_PTR CSkyrelStatus::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam != kRefreshTimerId) return FALSE;
        model_.Tick();
        return TRUE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_COPYDATA:
        // From any process: a message without its description is refused like a wrong block.
        if (lParam == 0) return Result(FALSE);
        return Result(OnCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam)));
    case WM_ERASEBKGND: {
        // Any process may send the message with any number for a device context: the dialog
        // erases only its own, and leaves any other to nobody.
        const HDC dc = reinterpret_cast<HDC>(wParam);
        if (WindowFromDC(dc) != window_) return Result(TRUE);
        // Without the logo the dialog's own erasing does.
        if (logo_ == nullptr) return FALSE;
        PaintStatusBackground(window_, dc, logo_);
        return Result(TRUE);
    }
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        CDeviceButton* button = ButtonOfControl(static_cast<int>(item.CtlID));
        if (button == nullptr) return FALSE;
        button->Draw(item);
        return TRUE;
    }
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CSkyrelStatus::Result(LRESULT result) {
    SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
    return TRUE;
}

void CSkyrelStatus::OnInitDialog(HWND window) {
    window_ = window;
    battery_picture_ = GetDlgItem(window, KB_IDC_BATTERY);
    lock_box_ = GetDlgItem(window, KB_IDC_LOCK);
    id_text_ = GetDlgItem(window, KB_IDC_ID);
    channel_text_ = GetDlgItem(window, KB_IDC_CHANNEL);
    LoadPictures();
    HCURSOR pointer = LoadCursorA(instance_, MAKEINTRESOURCEA(KB_IDCUR_DEVICE_POINTER));
    for (int i = 0; i < DEVICE_KIND_COUNT; ++i) {
        const DeviceButtonPlace& place = kDeviceButtons[i];
        HWND button = GetDlgItem(window, place.control_id);
        buttons_[i].Attach(button, chosen_icon_, other_icon_, pointer);
        SetWindowPos(button, nullptr, place.position.x, place.position.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetWindowTextA(channel_text_, "");
    SetWindowTextA(id_text_, "");
    model_.Start();
    SetTimer(window, kRefreshTimerId, kRefreshPeriodMs, nullptr);
}

void CSkyrelStatus::LoadPictures() {
    battery_good_ = LoadBatteryBitmap(instance_, KB_IDB_BATTERY_GOOD);
    battery_low_ = LoadBatteryBitmap(instance_, KB_IDB_BATTERY_LOW);
    battery_none_ = LoadBatteryBitmap(instance_, KB_IDB_BATTERY_NONE);
    logo_ = static_cast<HBITMAP>(
        LoadImageA(instance_, MAKEINTRESOURCEA(KB_IDB_LOGO), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    chosen_icon_ = LoadSmallIcon(instance_, KB_IDI_DEVICE_CHOSEN);
    other_icon_ = LoadSmallIcon(instance_, KB_IDI_DEVICE_OTHER);
}

void CSkyrelStatus::OnCommand(int control, int notification) {
    if (control == IDOK || control == IDCANCEL) {
        EndDialog(window_, control);
        return;
    }
    if (control == KB_IDC_LOCK) {
        if (notification == BN_CLICKED) OnLockClicked();
        return;
    }
    const DeviceButtonPlace* place = DeviceButtonOfControl(control);
    // A double-click is a second click.
    if (place == nullptr || (notification != BN_CLICKED && notification != BN_DOUBLECLICKED)) return;
    model_.Press(place->record_index);
    if (place->record_index == DEVICE_KEYBOARD) {
        SendMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(lock_box_), TRUE);
    }
}

void CSkyrelStatus::OnLockClicked() {
    // The box has ticked or cleared itself already; a refused change puts it back.
    const bool ticked = SendMessageA(lock_box_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (!model_.LockClicked(ticked)) SendMessageA(lock_box_, BM_SETCHECK, ticked ? BST_UNCHECKED : BST_CHECKED, 0);
}

LRESULT CSkyrelStatus::OnCopyData(const COPYDATASTRUCT& data) {
    return model_.TakeStatusBlock(data.lpData, data.cbData) ? TRUE : FALSE;
}

void CSkyrelStatus::OnDestroy() {
    KillTimer(window_, kRefreshTimerId);
    driver_.Close();
}

CDeviceButton* CSkyrelStatus::ButtonOfControl(int control) {
    for (CDeviceButton& button : buttons_) {
        if (button.window() != nullptr && GetDlgCtrlID(button.window()) == control) return &button;
    }
    return nullptr;
}

bool CSkyrelStatus::FilterOpen() const {
    return driver_.valid();
}

bool CSkyrelStatus::OpenFilter() {
    driver_ = devclient::OpenFilterDevice();
    return driver_.valid();
}

bool CSkyrelStatus::ReadTable(RF_DATA* table) {
    return driver_.valid() && devclient::RequestRfData(driver_, table);
}

devclient::CompanionAnswer CSkyrelStatus::SendLockToCompanion(uint8_t lock_byte) {
    return devclient::SendLockToCompanion(lock_byte);
}

void CSkyrelStatus::SendLockToFilter(uint8_t lock_byte) {
    if (driver_.valid()) devclient::SetLock(driver_, lock_byte);
}

void CSkyrelStatus::WriteUsbLock(bool locked) {
    reg::Win32Registry registry;
    keysettings::WriteUsbLock(registry, locked);
}

void CSkyrelStatus::Show(const StatusView& view) {
    for (int i = 0; i < DEVICE_KIND_COUNT; ++i) {
        const int record = kDeviceButtons[i].record_index;
        EnableWindow(buttons_[i].window(), view.button_enabled[record]);
        buttons_[i].SetPressed(view.pressed == record);
    }
    EnableWindow(lock_box_, view.lock_enabled);
    if (view.lock_enabled) SendMessageA(lock_box_, BM_SETCHECK, view.lock_ticked ? BST_CHECKED : BST_UNCHECKED, 0);
    EnableWindow(channel_text_, view.details_enabled);
    EnableWindow(id_text_, view.details_enabled);
    EnableWindow(battery_picture_, view.details_enabled);
    if (view.details_enabled) {
        ShowText(channel_text_, view.channel_text);
        ShowText(id_text_, view.id_text);
    }
    ShowBattery(BatteryBitmap(view.battery_bitmap));
}

void CSkyrelStatus::ShowBattery(HBITMAP battery) {
    if (reinterpret_cast<HBITMAP>(SendMessageA(battery_picture_, STM_GETIMAGE, IMAGE_BITMAP, 0)) == battery) return;
    HBITMAP old = reinterpret_cast<HBITMAP>(
        SendMessageA(battery_picture_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(battery)));
    // The picture the template gave the control is the control's own copy, and nobody else's.
    if (old != nullptr && old != battery_good_ && old != battery_low_ && old != battery_none_) DeleteObject(old);
}

void CSkyrelStatus::ShowText(HWND control, const char* text) {
    // Only a change is written, so the twice-a-second refresh does not make the texts flicker.
    char shown[kTextLength];
    GetWindowTextA(control, shown, kTextLength);
    if (strcmp(shown, text) != 0) SetWindowTextA(control, text);
}

HBITMAP CSkyrelStatus::BatteryBitmap(int resource) const {
    switch (resource) {
    case KB_IDB_BATTERY_GOOD:
        return battery_good_;
    case KB_IDB_BATTERY_LOW:
        return battery_low_;
    default:
        return battery_none_;
    }
}

}  // namespace applet
