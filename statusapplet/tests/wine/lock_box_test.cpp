// The lock box against both filters: the real keyfilter in the receiver test bench and the
// companion filter's stand-in started as a service of its own. A tick sends 0x80, a clear 0,
// to both devices and stores "USB Lock"; with the companion missing the box goes back and
// nothing is sent or stored.
#include <memory>

#include <gtest/gtest.h>

#include "deviceclient/control_devices.h"
#include "outside/lvxnftr/companion_interface.h"
#include "statusapplet/logic/applet_resources.h"
#include "statusapplet/tests/wine/applet_fixture.h"
#include "tools/winetest/device_io.h"

namespace {

using applet_test::AppletWithReceiver;
using applet_test::Tick;

class LockBox : public AppletWithReceiver {
protected:
    void SetUp() override {
        AppletWithReceiver::SetUp();
        if (HasFatalFailure()) return;
        ReportDevice(DEVICE_KEYBOARD, 1, 0x001, 0);
        Open();
        if (HasFatalFailure()) return;
        Tick(dialog());  // the receiver's unlocked state is seen and stored
        ASSERT_EQ(applet_test::StoredUsbLock(), 0);
        ASSERT_TRUE(View().lock_enabled);
        ASSERT_FALSE(View().lock_ticked);
    }

    HWND box() const { return dialog_->Control(KB_IDC_LOCK); }

    // Bit 4 of Flags in every record of the filter's own table, or -1 when the records differ.
    int FilterLockBit() {
        devclient::DeviceHandle filter = devclient::OpenFilterDevice();
        RF_DATA table = {};
        EXPECT_TRUE(devclient::RequestRfData(filter, &table));
        const int first = (table.Record[0].Flags & RF_FLAG_LOCK) ? 1 : 0;
        for (const RF_RECORD& record : table.Record) {
            if (((record.Flags & RF_FLAG_LOCK) ? 1 : 0) != first) return -1;
        }
        return first;
    }
};

class LockBoxWithCompanion : public LockBox {
protected:
    LockBoxWithCompanion()
        : companion_(KB_COMPANION_SERVICE_NAME, winsupport::BuildFile(KB_COMPANION_TEST_FILE_NAME)) {}
    void SetUp() override {
        ASSERT_TRUE(companion_.running()) << companion_.error();
        LockBox::SetUp();
    }

    uint8_t CompanionLockByte() {
        winetest::DeviceHandle companion(KB_COMPANION_USER_PATH);
        return winetest::ReceiveRecord<LVX_KEPT_STATE>(companion, IOCTL_LVX_TEST_GET_STATE).LockByte;
    }

    winsupport::DriverService companion_;
};

TEST_F(LockBoxWithCompanion, ATickLocksBothFiltersAndAClearUnlocksThem) {
    Click(box());
    EXPECT_TRUE(View().lock_ticked);
    EXPECT_EQ(CompanionLockByte(), 0x80);
    EXPECT_EQ(FilterLockBit(), 1) << "the filter took 0x80";
    EXPECT_EQ(applet_test::StoredUsbLock(), 1);
    Tick(dialog());
    EXPECT_TRUE(View().lock_ticked) << "the refresh agrees with the box";

    Click(box());
    EXPECT_FALSE(View().lock_ticked);
    EXPECT_EQ(CompanionLockByte(), 0);
    EXPECT_EQ(FilterLockBit(), 0);
    EXPECT_EQ(applet_test::StoredUsbLock(), 0);
}

TEST_F(LockBox, WithTheCompanionMissingTheBoxGoesBack) {
    applet_test::StoreUsbLock(7);
    Click(box());
    EXPECT_FALSE(View().lock_ticked) << "the box is put back";
    EXPECT_EQ(FilterLockBit(), 0) << "nothing was sent to the filter";
    EXPECT_EQ(applet_test::StoredUsbLock(), 7) << "nothing was stored";
}

}  // namespace
