// The receiver's lock byte on its way to the two filters: the companion filter ("\\.\LVXNFLTR")
// first, because whether it could be opened and took the byte decides what follows, and the
// hot-key filter ("\\.\UVXNFLTR") after it. The agent and the status applet both send the byte
// this way. Portable: the devices are the caller's.
#pragma once

#include <stdint.h>

namespace devclient {

enum class CompanionAnswer {
    NotOpened,  // "\\.\LVXNFLTR" could not be opened
    Refused,    // opened, but the lock byte was not taken
    Taken,
};

// The two devices the byte goes to, on whatever handles the caller keeps.
class LockDevices {
public:
    // IOCTL_SET_LOCK to the companion filter.
    virtual CompanionAnswer SendLockToCompanion(uint8_t lock_byte) = 0;
    // IOCTL_SET_LOCK to the hot-key filter; its answer goes unnoticed.
    virtual void SendLockToFilter(uint8_t lock_byte) = 0;

protected:
    ~LockDevices() = default;
};

// What a companion that refused the byte means for the hot-key filter.
enum class AfterRefusal {
    SkipFilter,    // the agent: the hot-key filter gets only what the companion took
    SendToFilter,  // the status applet: the box's state goes to the hot-key filter all the same
};

// Sends the byte to the companion and, unless its device could not be opened, to the hot-key
// filter: after the companion took it, or after a refusal as `after_refusal` says. Returns the
// companion's answer.
CompanionAnswer SendLockByte(LockDevices& devices, uint8_t lock_byte, AfterRefusal after_refusal);

}  // namespace devclient
