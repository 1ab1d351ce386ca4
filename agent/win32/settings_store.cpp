#include "agent/win32/settings_store.h"

#include "agent/logic/lock_byte.h"
#include "agent/logic/settings_load.h"
#include "deviceclient/control_devices.h"
#include "keysettings/logic/settings_store.h"
#include "keysettings/logic/usb_lock_value.h"
#include "registry/win32/win32_registry.h"

namespace {

// The agent sends the lock byte on handles of its own, one for each request; the hot-key filter
// gets only what the companion took.
class OwnHandleLockDevices : public devclient::LockDevices {
public:
    devclient::CompanionAnswer SendLockToCompanion(uint8_t lock_byte) override {
        return devclient::SendLockToCompanion(lock_byte);
    }
    void SendLockToFilter(uint8_t lock_byte) override {
        const devclient::DeviceHandle filter = devclient::OpenFilterDevice();
        if (filter.valid()) devclient::SetLock(filter, lock_byte);
    }
};

devclient::CompanionAnswer SendLockByte(uint8_t lock_byte) {
    OwnHandleLockDevices devices;
    return devclient::SendLockByte(devices, lock_byte, devclient::AfterRefusal::SkipFilter);
}

}  // namespace

void LoadSettingsAtStart(KeyboardSettings& settings) {
    reg::Win32Registry registry;
    LoadStartSettings(registry, settings);
}

void ReloadSettings(KeyboardSettings& settings) {
    reg::Win32Registry registry;
    ReloadSettings(registry, settings);
}

void SaveOptions(const KeyboardSettings& settings) {
    reg::Win32Registry registry;
    keysettings::WriteSettings(registry, keysettings::SettingsGroup::Options, settings);
}

void SavePlayer(const KeyboardSettings& settings) {
    reg::Win32Registry registry;
    keysettings::WriteSettings(registry, keysettings::SettingsGroup::Player, settings);
}

void SendKeyDisableFlags(const KeyboardSettings& settings) { devclient::SendKeyDisableFlags(KeyDisableBlock(settings)); }

uint32_t ApplyUsbLock() {
    reg::Win32Registry registry;
    const uint32_t value = keysettings::ReadUsbLock(registry);
    const uint8_t lock_byte = LockByteFromValue(value);
    // The registry is rewritten whenever the companion could be opened.
    if (SendLockByte(lock_byte) != devclient::CompanionAnswer::NotOpened)
        keysettings::WriteUsbLock(registry, UsbLockWrittenBack(lock_byte));
    return value;
}

void SendUsbLockAgain() {
    reg::Win32Registry registry;
    SendLockByte(LockByteFromValue(keysettings::ReadUsbLock(registry)));
}
