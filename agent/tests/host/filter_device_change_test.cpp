#include "agent/logic/filter_device_change.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class Recorder : public FilterLog, public DeviceChangeActions {
public:
    void Write(const char* text) override { lines.push_back(text); }
    FilterEditResult InstallOnPresentDevices() override {
        ++installs;
        return install_result;
    }
    void StartRestartPromptTimer() override { ++timers; }

    std::vector<std::string> lines;
    FilterEditResult install_result = FilterEditResult::Added;
    int installs = 0;
    int timers = 0;
};

DeviceChangeNotice Arrival(bool keyboard, bool hotkey) {
    return {KB_DBT_DEVICEARRIVAL, true, "\\\\?\\Hid#x", keyboard, hotkey};
}

TEST(DeviceChange, OnXpTheFirstAddingArrivalIsLoggedAndTheSecondSchedulesThePrompt) {
    Recorder r;
    bool new_device = false;
    HandleDeviceChange(Arrival(true, false), true, &new_device, r, r);
    EXPECT_EQ(r.lines, (std::vector<std::string>{"Device Arrival, device name=\\\\?\\Hid#x", "Found MI_00",
                                                 "Found New Device, need re-boot"}));
    EXPECT_TRUE(new_device);
    EXPECT_EQ(r.timers, 0);
    r.lines.clear();
    HandleDeviceChange(Arrival(true, false), true, &new_device, r, r);
    EXPECT_EQ(r.lines, (std::vector<std::string>{"Device Arrival, device name=\\\\?\\Hid#x", "Found MI_00"}));
    EXPECT_EQ(r.timers, 1);
    EXPECT_EQ(r.installs, 2);
}

TEST(DeviceChange, AnArrivalThatAddsNothingNeitherSetsTheFlagNorPrompts) {
    Recorder r;
    r.install_result = FilterEditResult::AlreadyPresent;
    bool new_device = false;
    HandleDeviceChange(Arrival(true, false), true, &new_device, r, r);
    HandleDeviceChange(Arrival(true, false), true, &new_device, r, r);
    EXPECT_FALSE(new_device);
    EXPECT_EQ(r.timers, 0);
}

TEST(DeviceChange, On2000TheReceiverIsOnlyLogged) {
    Recorder r;
    bool new_device = true;
    HandleDeviceChange(Arrival(true, false), false, &new_device, r, r);
    HandleDeviceChange(Arrival(false, true), false, &new_device, r, r);
    EXPECT_EQ(r.installs, 0);
    EXPECT_EQ(r.timers, 0);
    EXPECT_EQ(r.lines, (std::vector<std::string>{"Device Arrival, device name=\\\\?\\Hid#x", "Found MI_00",
                                                 "Device Arrival, device name=\\\\?\\Hid#x", "Found MI_01"}));
}

TEST(DeviceChange, RemovalsWithAndWithoutARecordAndOtherEvents) {
    Recorder r;
    bool new_device = false;
    HandleDeviceChange({KB_DBT_DEVNODES_CHANGED, false, "", false, false}, true, &new_device, r, r);
    HandleDeviceChange({KB_DBT_DEVICEQUERYREMOVE, true, "a", false, false}, true, &new_device, r, r);
    HandleDeviceChange({KB_DBT_DEVICEREMOVEPENDING, false, "", false, false}, true, &new_device, r, r);
    HandleDeviceChange({KB_DBT_DEVICEREMOVECOMPLETE, true, "b", false, false}, true, &new_device, r, r);
    HandleDeviceChange({0x8006, true, "c", true, false}, true, &new_device, r, r);
    EXPECT_EQ(r.lines, (std::vector<std::string>{"Device Change", "Device Query Remove device name=a",
                                                 "Device Remove Pending", "Device Remove Complete device name=b"}));
}

std::vector<unsigned char> InterfaceRecord(const char* name, uint32_t type = 5) {
    std::vector<unsigned char> record(28 + std::strlen(name) + 1, 0);
    const uint32_t size = static_cast<uint32_t>(record.size());
    std::memcpy(record.data(), &size, 4);
    std::memcpy(record.data() + 4, &type, 4);
    std::memcpy(record.data() + 28, name, std::strlen(name) + 1);
    return record;
}

TEST(BroadcastRecord, TheNameOfADeviceInterfaceRecord) {
    EXPECT_EQ(BroadcastDeviceName(InterfaceRecord("\\\\?\\HID#VID_1F3C").data()), "\\\\?\\HID#VID_1F3C");
    EXPECT_EQ(BroadcastDeviceName(nullptr), "");
}

TEST(BroadcastRecord, AVolumeRecordHasNoNameToReadPastItsEnd) {
    // 18 bytes, as the volume records Windows broadcasts to every top-level window.
    std::vector<unsigned char> volume(18, 0x41);
    const uint32_t size = 18, type = 2;
    std::memcpy(volume.data(), &size, 4);
    std::memcpy(volume.data() + 4, &type, 4);
    EXPECT_EQ(BroadcastDeviceName(volume.data()), "");
}

TEST(BroadcastRecord, ARecordShorterThanItsHeaderIsReadNoFurtherThanItsSize) {
    // Exactly the four bytes of its size: a read of the type would go past them.
    std::vector<unsigned char> size_only(4, 0);
    size_only[0] = 4;
    EXPECT_EQ(BroadcastDeviceName(size_only.data()), "");
    EXPECT_TRUE(EventCarriesRecord(KB_DBT_DEVICEREMOVECOMPLETE));
    EXPECT_FALSE(EventCarriesRecord(KB_DBT_DEVNODES_CHANGED));
    EXPECT_FALSE(EventCarriesRecord(0x100000000ull | KB_DBT_DEVICEARRIVAL));
}

TEST(BroadcastRecord, ANameWithoutItsNulStopsAtTheRecordsSize) {
    std::vector<unsigned char> record = InterfaceRecord("abcd");
    record.back() = 'e';
    EXPECT_EQ(BroadcastDeviceName(record.data()), "abcde");
}

}  // namespace
