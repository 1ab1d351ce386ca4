// The lock byte's order over two recording devices: the companion first, then the hot-key
// filter as the companion's answer and the caller's rule for a refusal say.
#include "deviceclient/logic/lock_sequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using devclient::AfterRefusal;
using devclient::CompanionAnswer;

class RecordingDevices : public devclient::LockDevices {
public:
    explicit RecordingDevices(CompanionAnswer answer) : answer_(answer) {}
    CompanionAnswer SendLockToCompanion(uint8_t lock_byte) override {
        sent.push_back("companion " + std::to_string(lock_byte));
        return answer_;
    }
    void SendLockToFilter(uint8_t lock_byte) override { sent.push_back("filter " + std::to_string(lock_byte)); }

    std::vector<std::string> sent;

private:
    CompanionAnswer answer_;
};

TEST(LockSequence, TheFilterFollowsTheCompanionAsItsAnswerAndTheCallersRuleSay) {
    struct Case {
        CompanionAnswer answer;
        AfterRefusal after_refusal;
        bool filter_sent;
    };
    const Case cases[] = {
        {CompanionAnswer::Taken, AfterRefusal::SkipFilter, true},
        {CompanionAnswer::Taken, AfterRefusal::SendToFilter, true},
        {CompanionAnswer::Refused, AfterRefusal::SkipFilter, false},
        {CompanionAnswer::Refused, AfterRefusal::SendToFilter, true},
        {CompanionAnswer::NotOpened, AfterRefusal::SkipFilter, false},
        {CompanionAnswer::NotOpened, AfterRefusal::SendToFilter, false},
    };
    for (const Case& c : cases) {
        RecordingDevices devices(c.answer);
        EXPECT_EQ(devclient::SendLockByte(devices, 0x80, c.after_refusal), c.answer);
        std::vector<std::string> expected = {"companion 128"};
        if (c.filter_sent) expected.push_back("filter 128");
        EXPECT_EQ(devices.sent, expected) << int(c.answer) << " " << int(c.after_refusal);
    }
}

}  // namespace
