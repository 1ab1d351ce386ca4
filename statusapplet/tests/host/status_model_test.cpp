// The status dialog's model against a recording platform: what it reads, sends, writes and
// shows on start, on each timer tick, on a button, on the lock box and on WM_COPYDATA.
#include "statusapplet/logic/status_model.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "statusapplet/logic/applet_resources.h"
#include "statusapplet/logic/status_block.h"

namespace {

using applet::kNoDevice;
using applet::StatusModel;
using applet::StatusView;
using devclient::CompanionAnswer;

class RecordingPlatform : public applet::StatusPlatform {
public:
    // The world the model meets.
    bool filter_present = true;
    bool read_fails = false;
    RF_DATA driver_table = {};
    CompanionAnswer companion = CompanionAnswer::Taken;
    std::function<void()> during_read;

    // What it did.
    bool open = false;
    int reads = 0;
    std::vector<std::string> sent;  // "companion 80", "filter 0", "USB Lock 1", in order
    std::vector<StatusView> shown;

    bool FilterOpen() const override { return open; }
    bool OpenFilter() override { return open = filter_present; }
    bool ReadTable(RF_DATA* table) override {
        ++reads;
        if (during_read) during_read();
        if (read_fails) return false;
        *table = driver_table;
        return true;
    }
    CompanionAnswer SendLockToCompanion(uint8_t lock_byte) override {
        if (companion != CompanionAnswer::NotOpened) sent.push_back("companion " + Hex(lock_byte));
        return companion;
    }
    void SendLockToFilter(uint8_t lock_byte) override { sent.push_back("filter " + Hex(lock_byte)); }
    void WriteUsbLock(bool locked) override { sent.push_back(locked ? "USB Lock 1" : "USB Lock 0"); }
    void Show(const StatusView& view) override { shown.push_back(view); }

    const StatusView& last() const { return shown.back(); }

private:
    static std::string Hex(uint8_t value) {
        const char digits[] = "0123456789ABCDEF";
        return value < 16 ? std::string(1, digits[value]) : std::string{digits[value >> 4], digits[value & 15]};
    }
};

RF_RECORD Linked(uint8_t channel, uint16_t id, uint8_t flags) {
    return RF_RECORD{RF_STATE_REPORTED | RF_STATE_LINKED, channel, id, flags};
}

// A receiver that reported records 1 and 2 (and so every record), unlocked.
RF_DATA TenKeyPadAndMouse() {
    RF_DATA table = {};
    for (RF_RECORD& record : table.Record) record.State = RF_STATE_REPORTED;
    table.Record[DEVICE_TEN_KEY_PAD] = Linked(2, 0x123, 0);
    table.Record[DEVICE_MOUSE] = Linked(0, 0x0FFF, RF_FLAG_BATTERY_LOW);
    return table;
}

class Model : public testing::Test {
protected:
    RecordingPlatform platform_;
    StatusModel model_{platform_};
};

TEST_F(Model, WithNoDriverTheStartShowsEverythingOff) {
    platform_.filter_present = false;
    model_.Start();
    ASSERT_EQ(platform_.shown.size(), 1u);
    for (bool enabled : platform_.last().button_enabled) EXPECT_FALSE(enabled);
    EXPECT_FALSE(platform_.last().lock_enabled);
    EXPECT_FALSE(platform_.last().details_enabled);
    EXPECT_EQ(platform_.last().battery_bitmap, KB_IDB_BATTERY_NONE);
}

TEST_F(Model, TheStartChoosesTheFirstLinkedDeviceAndAFailedReadShowsNothing) {
    platform_.driver_table = TenKeyPadAndMouse();
    model_.Start();
    EXPECT_EQ(model_.selected(), DEVICE_TEN_KEY_PAD);
    ASSERT_EQ(platform_.shown.size(), 1u);
    EXPECT_STREQ(platform_.last().channel_text, "3");

    RecordingPlatform failing;
    failing.read_fails = true;
    StatusModel model(failing);
    model.Start();
    EXPECT_TRUE(failing.shown.empty()) << "the view stays as the template made it";
}

TEST_F(Model, TheLockBoxShowsTheLockOfTheTableJustRead) {
    platform_.driver_table = TenKeyPadAndMouse();
    for (RF_RECORD& record : platform_.driver_table.Record) record.Flags |= RF_FLAG_LOCK;
    model_.Start();
    EXPECT_TRUE(platform_.last().lock_enabled);
    EXPECT_TRUE(platform_.last().lock_ticked) << "opened on a locked receiver";
    EXPECT_TRUE(platform_.sent.empty()) << "the start stores nothing";
    model_.Tick();
    EXPECT_EQ(platform_.sent, std::vector<std::string>({"USB Lock 1"})) << "the first refresh stores it";
    for (RF_RECORD& record : platform_.driver_table.Record) record.Flags &= ~RF_FLAG_LOCK;
    model_.Tick();
    EXPECT_FALSE(platform_.last().lock_ticked) << "the refresh that read the unlock";
}

TEST_F(Model, TheFirstRefreshWritesUsbLockOnceAndThenOnlyChanges) {
    platform_.driver_table = TenKeyPadAndMouse();
    model_.Start();
    EXPECT_TRUE(platform_.sent.empty()) << "the start writes nothing";
    model_.Tick();
    model_.Tick();
    EXPECT_EQ(platform_.sent, std::vector<std::string>({"USB Lock 0"}));
    platform_.driver_table.Record[0].Flags = RF_FLAG_LOCK;
    model_.Tick();
    platform_.driver_table.Record[0].Flags = RF_FLAG_LOCK | RF_FLAG_BATTERY_LOW;
    model_.Tick();
    EXPECT_EQ(platform_.sent, std::vector<std::string>({"USB Lock 0", "USB Lock 1", "USB Lock 1"}));

    RecordingPlatform unreported;
    unreported.driver_table.Record[0].Flags = RF_FLAG_LOCK;
    StatusModel model(unreported);
    model.Start();
    model.Tick();
    EXPECT_TRUE(unreported.sent.empty()) << "record 0 not reported";
}

TEST_F(Model, TheTimerOpensTheDriverOnceItIsThere) {
    platform_.filter_present = false;
    model_.Start();
    model_.Tick();
    model_.Tick();
    EXPECT_EQ(platform_.reads, 0);
    EXPECT_EQ(platform_.shown.size(), 1u) << "no refresh while the driver is absent";
    platform_.filter_present = true;
    platform_.driver_table = TenKeyPadAndMouse();
    model_.Tick();
    EXPECT_EQ(platform_.reads, 1);
    ASSERT_EQ(platform_.shown.size(), 2u);
    EXPECT_TRUE(platform_.last().button_enabled[DEVICE_MOUSE]);
    EXPECT_EQ(model_.selected(), kNoDevice) << "the timer does not choose a device";
}

TEST_F(Model, AFailedRefreshLeavesTheTimerFree) {
    platform_.driver_table = TenKeyPadAndMouse();
    model_.Start();
    platform_.read_fails = true;
    model_.Tick();
    EXPECT_FALSE(model_.busy());
    platform_.read_fails = false;
    platform_.driver_table.Record[DEVICE_TEN_KEY_PAD].Channel = 7;
    model_.Tick();
    EXPECT_EQ(platform_.reads, 3);
    EXPECT_STREQ(platform_.last().channel_text, "8") << "the refresh after a failed one runs";
}

TEST_F(Model, ARefreshInsideARefreshDoesNothing) {
    platform_.driver_table = TenKeyPadAndMouse();
    model_.Start();
    bool inner_busy = false;
    platform_.during_read = [&] {
        inner_busy = model_.busy();
        model_.Tick();
    };
    model_.Tick();
    EXPECT_TRUE(inner_busy);
    EXPECT_EQ(platform_.reads, 2) << "the start's read and the outer tick's";
    EXPECT_FALSE(model_.busy());
}

TEST_F(Model, TheChosenDeviceGoingAwayEmptiesTheDetails) {
    platform_.driver_table = TenKeyPadAndMouse();
    model_.Start();
    model_.Press(DEVICE_MOUSE);
    EXPECT_EQ(platform_.last().battery_bitmap, KB_IDB_BATTERY_LOW);
    EXPECT_EQ(platform_.last().pressed, DEVICE_MOUSE);
    platform_.driver_table.Record[DEVICE_MOUSE].State = RF_STATE_REPORTED;
    model_.Tick();
    EXPECT_EQ(model_.selected(), kNoDevice);
    EXPECT_FALSE(platform_.last().details_enabled);
    EXPECT_EQ(platform_.last().battery_bitmap, KB_IDB_BATTERY_NONE);
}

TEST_F(Model, TheLockBoxSendsItsByteToBothFiltersAndWritesUsbLock) {
    platform_.driver_table = TenKeyPadAndMouse();
    model_.Start();
    EXPECT_TRUE(model_.LockClicked(true));
    for (const RF_RECORD& record : model_.table().Record) EXPECT_TRUE(record.Flags & RF_FLAG_LOCK);
    EXPECT_TRUE(model_.LockClicked(false));
    for (const RF_RECORD& record : model_.table().Record) EXPECT_FALSE(record.Flags & RF_FLAG_LOCK);
    EXPECT_EQ(platform_.sent, std::vector<std::string>({"companion 80", "filter 80", "USB Lock 1", "companion 0",
                                                        "filter 0", "USB Lock 0"}));
    model_.Tick();
    EXPECT_FALSE(platform_.last().lock_ticked);
    EXPECT_EQ(platform_.sent.size(), 6u) << "the lock the box stored is the one last seen";
}

TEST_F(Model, ACompanionThatCantBeOpenedRefusesTheChange) {
    platform_.driver_table = TenKeyPadAndMouse();
    model_.Start();
    platform_.companion = CompanionAnswer::NotOpened;
    EXPECT_FALSE(model_.LockClicked(true));
    EXPECT_TRUE(platform_.sent.empty()) << "nothing sent, nothing written";

    platform_.companion = CompanionAnswer::Refused;
    EXPECT_TRUE(model_.LockClicked(true));
    EXPECT_FALSE(model_.table().Record[0].Flags & RF_FLAG_LOCK) << "a refused byte leaves the table";
    EXPECT_EQ(platform_.sent, std::vector<std::string>({"companion 80", "filter 80", "USB Lock 1"}));
}

TEST_F(Model, ABlockFromAnotherProgramReplacesTheTableUntilTheNextRead) {
    platform_.filter_present = false;
    model_.Start();
    uint8_t block[applet::kStatusBlockSize] = {};
    const RF_RECORD keyboard = Linked(4, 9, 0);
    memcpy(block + 2, &keyboard, sizeof keyboard);
    EXPECT_TRUE(model_.TakeStatusBlock(block, sizeof block));
    EXPECT_FALSE(model_.TakeStatusBlock(block, sizeof block - 1));
    EXPECT_EQ(platform_.shown.size(), 1u) << "not shown at once";
    model_.Press(DEVICE_KEYBOARD);
    EXPECT_STREQ(platform_.last().channel_text, "5");

    platform_.filter_present = true;
    model_.Tick();
    EXPECT_EQ(model_.selected(), kNoDevice) << "the driver's table took its place";
}

}  // namespace
