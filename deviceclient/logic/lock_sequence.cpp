#include "deviceclient/logic/lock_sequence.h"

namespace devclient {

CompanionAnswer SendLockByte(LockDevices& devices, uint8_t lock_byte, AfterRefusal after_refusal) {
    const CompanionAnswer answer = devices.SendLockToCompanion(lock_byte);
    if (answer == CompanionAnswer::Taken ||
        (answer == CompanionAnswer::Refused && after_refusal == AfterRefusal::SendToFilter))
        devices.SendLockToFilter(lock_byte);
    return answer;
}

}  // namespace devclient
