// The road of a notch when the foreground window belongs to another process, as on any user's
// desktop: the agent's thread attaches its input to that process's thread, reads its focus and
// detaches. The agent's side (wheelhook_focus_host.exe) and the application
// (wheelhook_focus_window.exe) run inside a Wine desktop of their own, made by explorer: on the
// bare display Wine does not tell one process the focus of another (docs/wine-notes.md).
#include "wheelhook/tests/wine/hook_fixture.h"

#include <cstdio>
#include <string>

#include "common/registry_names.h"
#include "tools/fixtures/program_start.h"
#include "tools/winsupport/build_files.h"

namespace wheeltest {
namespace {

// What the application received, as it writes it.
struct Received {
    int marker = -1, consumed = -1, vscroll = -1, code = -1, top = -1, wheel = -1, delta = 0;
};

class FocusRoad : public testing::Test {
protected:
    void SetUp() override {
        DeleteWheelSettings();
        WriteBaselineSettings();
        WriteWheelSetting(KB_VAL_SCROLL_LINE, 2);
    }
    void TearDown() override { DeleteWheelSettings(); }

    // Plays the road with the application's focus as `mode` says and reads what it received.
    Received Play(const char* mode) {
        const std::string result = TempPath() + "wheelhook_focus_" + mode + ".txt";
        DeleteFileA(result.c_str());
        const std::string host = winsupport::BuildFile("wheelhook_focus_host.exe");
        fixtures::RunProgram("explorer.exe /desktop=kbwheelroad,640x480 \"" + host + "\" " + mode + " \"" + result + "\"",
                             60000);
        Received r;
        std::FILE* in = std::fopen(result.c_str(), "r");
        if (in == nullptr) {
            ADD_FAILURE() << "the application wrote nothing";
            return r;
        }
        // NOLINTNEXTLINE(cert-err34-c): all seven must convert, and they are the test's own helper's numbers
        if (std::fscanf(in, "marker %d consumed %d vscroll %d code %d top %d wheel %d delta %d", &r.marker,
                        &r.consumed, &r.vscroll, &r.code, &r.top, &r.wheel, &r.delta) != 7)
            ADD_FAILURE() << "the application's result could not be read";
        std::fclose(in);
        DeleteFileA(result.c_str());
        return r;
    }
};

TEST_F(FocusRoad, ANotchScrollsTheFocusWindowOfAnotherProcessByTheConfiguredLines) {
    const Received r = Play("focus");
    EXPECT_EQ(r.marker, 1) << "the notch never went through the hooks";
    EXPECT_EQ(r.consumed, 1);
    EXPECT_EQ(r.vscroll, 2);
    EXPECT_EQ(r.code, SB_LINEDOWN);
    EXPECT_EQ(r.top, 2) << "the list box scrolled two rows";
    EXPECT_EQ(r.wheel, 0) << "the application got the notch as well";
}

// The foreground window has no focus: the notch is not swallowed but reaches the application,
// rewritten there by the message hook to 40 units a line.
TEST_F(FocusRoad, ANotchWhoseFocusCannotBeFoundStillReachesTheApplication) {
    const Received r = Play("nofocus");
    EXPECT_EQ(r.marker, 1) << "the notch never went through the hooks";
    EXPECT_EQ(r.consumed, 0) << "the wheel hook swallowed the notch";
    EXPECT_EQ(r.vscroll, 0);
    EXPECT_GE(r.wheel, 1) << "no wheel message reached the application";
    EXPECT_EQ(r.delta, -80);
}

}  // namespace
}  // namespace wheeltest
