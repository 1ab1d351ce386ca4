#include "keysettings/logic/usb_lock_value.h"

#include "common/registry_names.h"

namespace keysettings {

using Registry = reg::Registry;

uint32_t ReadUsbLock(Registry& registry) {
    reg::ScopedKey key(registry, registry.Open(Registry::Root::LocalMachine, KB_REG_SKYREL, Registry::Access::Read));
    uint32_t value = 0;
    if (key) reg::ReadNumber(registry, key.get(), KB_VAL_USB_LOCK, value);
    return value;
}

void WriteUsbLock(Registry& registry, bool locked) {
    reg::ScopedKey key(registry, reg::OpenForWriting(registry, Registry::Root::LocalMachine, KB_REG_SKYREL));
    if (!key) return;
    reg::SetNumber(registry, key.get(), KB_VAL_USB_LOCK, locked ? 1 : 0);
}

}  // namespace keysettings
