#include "statusapplet/tests/wine/applet_fixture.h"

namespace applet_test {

void AppletWithReceiver::SetUp() {
    BenchTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(library_.loaded());
    Plug(1);
}

void AppletWithReceiver::TearDown() {
    if (dialog_) {
        EXPECT_TRUE(dialog_->Close()) << "the dialog did not close";
    }
    dialog_.reset();
    BenchTest::TearDown();
}

void AppletWithReceiver::Open() {
    dialog_.reset(new OpenDialog(library_));
    ASSERT_NE(dialog_->window(), nullptr) << "no status dialog";
}

void AppletWithReceiver::ReportDevice(uint8_t kind, uint8_t channel, uint16_t id, uint8_t flags) {
    FeedThrough({0x03, kind, channel, static_cast<uint8_t>(id & 0xFF), static_cast<uint8_t>(id >> 8), flags});
}

}  // namespace applet_test
