#include "statusapplet/tests/wine/dialog_view.h"

#include "common/registry_names.h"
#include "statusapplet/logic/applet_resources.h"
#include "statusapplet/logic/status_layout.h"
#include "statusapplet/logic/status_model.h"
#include "tools/capture/window_capture.h"

namespace applet_test {
namespace {

std::string TextOf(HWND control) {
    char text[64] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

bool SamePicture(const capture::Pixels& a, const capture::Pixels& b) {
    return a.width == b.width && a.height == b.height && a.rgb == b.rgb && !a.rgb.empty();
}

int BatteryShown(HWND picture, HMODULE applet) {
    HBITMAP shown = reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    const capture::Pixels pixels = capture::PixelsOf(shown);
    for (int resource : {KB_IDB_BATTERY_GOOD, KB_IDB_BATTERY_LOW, KB_IDB_BATTERY_NONE}) {
        // Loaded as the dialog loads them, so that the system's colours are put in alike.
        HBITMAP bitmap = static_cast<HBITMAP>(
            LoadImageA(applet, MAKEINTRESOURCEA(resource), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
        const bool same = SamePicture(pixels, capture::PixelsOf(bitmap));
        DeleteObject(bitmap);
        if (same) return resource;
    }
    return -1;
}

}  // namespace

HWND DeviceButton(HWND dialog, int record_index) {
    for (const applet::DeviceButtonPlace& place : applet::kDeviceButtons) {
        if (place.record_index == record_index) return GetDlgItem(dialog, place.control_id);
    }
    return nullptr;
}

DialogView ReadView(HWND dialog, HMODULE applet) {
    DialogView view;
    for (int index = 0; index < DEVICE_KIND_COUNT; ++index) {
        view.button_enabled[index] = IsWindowEnabled(DeviceButton(dialog, index)) != FALSE;
    }
    HWND lock = GetDlgItem(dialog, KB_IDC_LOCK);
    view.lock_enabled = IsWindowEnabled(lock) != FALSE;
    view.lock_ticked = SendMessageA(lock, BM_GETCHECK, 0, 0) == BST_CHECKED;
    view.channel_enabled = IsWindowEnabled(GetDlgItem(dialog, KB_IDC_CHANNEL)) != FALSE;
    view.id_enabled = IsWindowEnabled(GetDlgItem(dialog, KB_IDC_ID)) != FALSE;
    view.battery_enabled = IsWindowEnabled(GetDlgItem(dialog, KB_IDC_BATTERY)) != FALSE;
    view.channel = TextOf(GetDlgItem(dialog, KB_IDC_CHANNEL));
    view.id = TextOf(GetDlgItem(dialog, KB_IDC_ID));
    view.battery = BatteryShown(GetDlgItem(dialog, KB_IDC_BATTERY), applet);
    return view;
}

void Tick(HWND dialog) {
    SendMessageA(dialog, WM_TIMER, applet::kRefreshTimerId, 0);
}

LONG StoredUsbLock() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, KB_REG_SKYREL, 0, KEY_READ, &key) != ERROR_SUCCESS) return -1;
    DWORD value = 0, size = sizeof value, type = 0;
    const LONG result = RegQueryValueExA(key, KB_VAL_USB_LOCK, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_DWORD ? static_cast<LONG>(value) : -1;
}

void StoreUsbLock(DWORD value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, KB_REG_SKYREL, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(key, KB_VAL_USB_LOCK, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

void DeleteUsbLock() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, KB_REG_SKYREL, 0, KEY_WRITE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, KB_VAL_USB_LOCK);
    RegCloseKey(key);
}

}  // namespace applet_test
