#include "agent/win32/settings_store.h"

#include <windows.h>

#include "agent/logic/lock_byte.h"
#include "agent/logic/settings_load.h"
#include "deviceclient/control_devices.h"

namespace {

class RegistrySettingsSource : public SettingsSource {
public:
    ~RegistrySettingsSource() override { CloseKey(); }

    bool OpenKey(const char* path) override {
        CloseKey();
        return RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key_) == ERROR_SUCCESS;
    }

    bool ReadValue(const char* name, void* buffer, uint32_t size, uint32_t* read) override {
        DWORD bytes = size;
        if (RegQueryValueExA(key_, name, nullptr, nullptr, static_cast<BYTE*>(buffer), &bytes) != ERROR_SUCCESS) {
            return false;
        }
        *read = bytes;
        return true;
    }

    void CloseKey() override {
        if (key_ != nullptr) RegCloseKey(key_);
        key_ = nullptr;
    }

private:
    HKEY key_ = nullptr;
};

void SetNumber(HKEY key, const char* name, uint32_t value) {
    const DWORD data = value;
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
}

HKEY CreateForWriting(const char* path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return key;
}

uint32_t ReadUsbLock() {
    HKEY key = nullptr;
    DWORD value = 0;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, KB_REG_SKYREL, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key, KB_VAL_USB_LOCK, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) !=
        ERROR_SUCCESS) {
        value = 0;
    }
    RegCloseKey(key);
    return value;
}

void WriteUsbLock(uint32_t value) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, KB_REG_SKYREL, 0, KEY_WRITE, &key) != ERROR_SUCCESS) {
        key = CreateForWriting(KB_REG_SKYREL);
        if (key == nullptr) return;
    }
    SetNumber(key, KB_VAL_USB_LOCK, value);
    RegCloseKey(key);
}

// The hot-key filter gets the byte only once the companion took it. False when the companion
// could not be opened at all.
bool SendLockByte(uint8_t lock_byte) {
    devclient::DeviceHandle companion = devclient::OpenCompanionDevice();
    if (!companion.valid()) return false;
    if (devclient::SetLock(companion, lock_byte)) {
        devclient::DeviceHandle filter = devclient::OpenFilterDevice();
        if (filter.valid()) devclient::SetLock(filter, lock_byte);
    }
    return true;
}

}  // namespace

void LoadSettingsAtStart(KeyboardSettings& settings) {
    RegistrySettingsSource source;
    LoadStartSettings(source, settings);
}

void ReloadSettings(KeyboardSettings& settings) {
    RegistrySettingsSource source;
    ::ReloadSettings(source, settings);
}

void SaveOptions(const KeyboardSettings& settings) {
    if (HKEY parent = CreateForWriting(KB_REG_KEYBOARD)) RegCloseKey(parent);
    HKEY key = CreateForWriting(KB_REG_KEYBOARD_OPTION);
    if (key == nullptr) return;
    SetNumber(key, KB_VAL_PRTSCR, settings.PrtScr);
    SetNumber(key, KB_VAL_CAPS_LOCK, settings.DisableCapsLock);
    SetNumber(key, KB_VAL_LEFT_WINDOW, settings.DisableLeftWindow);
    SetNumber(key, KB_VAL_RIGHT_WINDOW, settings.DisableRightWindow);
    SetNumber(key, KB_VAL_APPLICATION, settings.DisableApplication);
    RegCloseKey(key);
}

void SavePlayer(const KeyboardSettings& settings) {
    HKEY key = CreateForWriting(KB_REG_KEYBOARD);
    if (key == nullptr) return;
    SetNumber(key, KB_VAL_SELECT, settings.Select);
    RegCloseKey(key);
}

void SendKeyDisableFlags(const KeyboardSettings& settings) { devclient::SendKeyDisableFlags(KeyDisableBlock(settings)); }

uint32_t ApplyUsbLock() {
    const uint32_t value = ReadUsbLock();
    const uint8_t lock_byte = LockByteFromValue(value);
    // The registry is rewritten whenever the companion could be opened.
    if (SendLockByte(lock_byte)) WriteUsbLock(UsbLockWrittenBack(lock_byte));
    return value;
}

void SendUsbLockAgain() { SendLockByte(LockByteFromValue(ReadUsbLock())); }
