#include "statusapplet/win32/usb_lock_value.h"

#include <windows.h>

#include "common/registry_names.h"

namespace applet {

void WriteUsbLockValue(bool locked) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, KB_REG_SKYREL, 0, KEY_WRITE, &key) != ERROR_SUCCESS &&
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, KB_REG_SKYREL, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS) {
        return;
    }
    const DWORD value = locked ? 1 : 0;
    RegSetValueExA(key, KB_VAL_USB_LOCK, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

}  // namespace applet
