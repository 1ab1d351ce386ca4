// The focus lookup as the platform answers it, including what a Wine desktop never does: a
// foreground thread that refuses the attach.
#include "wheelhook/logic/focus_lookup.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kAgent = 7;
constexpr WindowId kAgentsOwnFocus = 0x70;

// Threads and refusals written down as data; every call is noted in order.
class FakeFocus final : public FocusQuery {
public:
    uint32_t foreground_ = 0;
    bool attach_refused_ = false;
    WindowId foreground_focus_ = 0;
    bool attached_ = false;
    std::vector<std::string> calls_;

    uint32_t AgentThread() override { return kAgent; }
    uint32_t ForegroundThread() override { return foreground_; }
    bool AttachInput(uint32_t from, uint32_t to, bool attach) override {
        calls_.push_back((attach ? "attach " : "detach ") + std::to_string(from) + " " + std::to_string(to));
        if (attach_refused_) return false;
        attached_ = attach;
        return true;
    }
    // Unattached, the agent's thread sees only its own focus.
    WindowId Focus() override {
        calls_.push_back("focus");
        return attached_ || foreground_ == kAgent ? foreground_focus_ : kAgentsOwnFocus;
    }
};

using Calls = std::vector<std::string>;

TEST(FindFocusWindow, ReadsAnotherThreadsFocusOnlyWhileAttached) {
    FakeFocus other;
    other.foreground_ = 9;
    other.foreground_focus_ = 0x90;
    EXPECT_EQ(FindFocusWindow(other), 0x90u);
    EXPECT_EQ(other.calls_, (Calls{"attach 7 9", "focus", "detach 7 9"}));

    FakeFocus own;
    own.foreground_ = kAgent;
    own.foreground_focus_ = 0x71;
    EXPECT_EQ(FindFocusWindow(own), 0x71u);
    EXPECT_EQ(own.calls_, Calls{"focus"}) << "the agent's own thread needs no attach";
}

TEST(FindFocusWindow, ARefusedAttachOrNoForegroundLeavesTheFocusUnknown) {
    FakeFocus refused;
    refused.foreground_ = 9;
    refused.foreground_focus_ = 0x90;
    refused.attach_refused_ = true;
    EXPECT_EQ(FindFocusWindow(refused), 0u) << "not the agent's own focus";
    EXPECT_EQ(refused.calls_, Calls{"attach 7 9"});

    FakeFocus none;
    EXPECT_EQ(FindFocusWindow(none), 0u);
    EXPECT_EQ(none.calls_, Calls{});
}

}  // namespace
