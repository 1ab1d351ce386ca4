// A device notification as the agent's main window meets it: any event, and for the events that
// carry a broadcast record, a record of any type whose size field says anything from 0 up to the
// bytes it really has, with its name terminated or not. The record is read only for those
// events and never past the size it gives; the device name is the record's text from byte 28 up
// to its first NUL or its end; the interface flags say what the name begins with; and the log
// and the installation see exactly that name.
//
// The input, taken by FuzzedDataProvider: the event, whether the system is XP, whether an
// earlier arrival already added a filter, the size the record claims, then the record's bytes.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <memory>
#include <string>
#include <vector>

#include "agent/logic/device_names.h"
#include "agent/logic/filter_device_change.h"

namespace {

// A property that fails names its line, so that a finding says at once what broke.
void Require(bool condition, int line = __builtin_LINE()) {
    if (condition) return;
    fprintf(stderr, "property at line %d does not hold\n", line);
    abort();
}

constexpr size_t kNameOffset = 28;
constexpr uint32_t kDeviceInterfaceType = 5;
constexpr uint32_t kEvents[] = {KB_DBT_DEVNODES_CHANGED,    KB_DBT_DEVICEARRIVAL,       KB_DBT_DEVICEQUERYREMOVE,
                                KB_DBT_DEVICEREMOVEPENDING, KB_DBT_DEVICEREMOVECOMPLETE};

class Recorder final : public FilterLog, public DeviceChangeActions {
public:
    void Write(const char* text) override { lines.push_back(text); }
    FilterEditResult InstallOnPresentDevices() override {
        ++installs;
        return FilterEditResult::Added;
    }
    void StartRestartPromptTimer() override { ++timers; }

    std::vector<std::string> lines;
    int installs = 0;
    int timers = 0;
};

uint32_t ReadU32(const uint8_t* bytes) {
    uint32_t value;
    memcpy(&value, bytes, sizeof value);
    return value;
}

// The name the record holds within the size it claims, or "" when it holds none.
std::string NameWithin(const uint8_t* record, uint32_t claimed) {
    if (claimed <= kNameOffset || ReadU32(record + 4) != kDeviceInterfaceType) return std::string();
    const char* name = reinterpret_cast<const char*>(record + kNameOffset);
    return std::string(name, strnlen(name, claimed - kNameOffset));
}

bool StartsWithIgnoringCase(const std::string& name, const char* prefix) {
    if (name.size() < strlen(prefix)) return false;
    return strncasecmp(name.c_str(), prefix, strlen(prefix)) == 0;
}

void CheckLog(const DeviceChangeNotice& notice, const Recorder& log, bool xp, bool added_before, bool added_after) {
    const std::string named = notice.has_record ? " device name=" + notice.device_name : std::string();
    switch (notice.event) {
    case KB_DBT_DEVNODES_CHANGED:
        Require(log.lines == std::vector<std::string>{"Device Change"});
        break;
    case KB_DBT_DEVICEARRIVAL:
        Require(!log.lines.empty() && log.lines[0] == "Device Arrival, device name=" + notice.device_name);
        Require(log.installs == (notice.keyboard_interface && xp ? 1 : 0));
        Require(added_after == (added_before || log.installs == 1));
        Require(log.timers == (added_before && log.installs == 1 ? 1 : 0));
        break;
    case KB_DBT_DEVICEQUERYREMOVE:
        Require(log.lines == std::vector<std::string>{"Device Query Remove" + named});
        break;
    case KB_DBT_DEVICEREMOVEPENDING:
        Require(log.lines == std::vector<std::string>{"Device Remove Pending" + named});
        break;
    case KB_DBT_DEVICEREMOVECOMPLETE:
        Require(log.lines == std::vector<std::string>{"Device Remove Complete" + named});
        break;
    default:
        Require(log.lines.empty());
        break;
    }
    if (notice.event != KB_DBT_DEVICEARRIVAL) Require(log.installs == 0 && log.timers == 0 && added_after == added_before);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const uint64_t event = input.ConsumeBool() ? input.PickValueInArray(kEvents) : input.ConsumeIntegral<uint64_t>();
    const bool xp = input.ConsumeBool();
    const bool added_before = input.ConsumeBool();
    const uint32_t claim = input.ConsumeIntegral<uint32_t>();
    std::vector<uint8_t> bytes = input.ConsumeRemainingBytes<uint8_t>();
    if (bytes.size() < sizeof(uint32_t)) bytes.resize(sizeof(uint32_t));

    // The record in a block of exactly its bytes, its size field never claiming more than that.
    // An event without a record gets an empty block, so that any read of it is caught.
    const bool carries = EventCarriesRecord(event);
    const size_t block_size = carries ? bytes.size() : 0;
    const std::unique_ptr<uint8_t[]> block(new uint8_t[block_size]);
    uint32_t claimed = 0;
    if (carries) {
        claimed = static_cast<uint32_t>(claim % (bytes.size() + 1));
        memcpy(bytes.data(), &claimed, sizeof claimed);
        memcpy(block.get(), bytes.data(), bytes.size());
    }
    const DeviceChangeNotice notice = NoticeOf(event, block.get());

    Require(notice.event == static_cast<uint32_t>(event) && notice.has_record == carries);
    Require(notice.device_name == (carries ? NameWithin(block.get(), claimed) : std::string()));
    Require(notice.keyboard_interface == StartsWithIgnoringCase(notice.device_name, "\\\\?\\Hid#Vid_1f3c&Pid_3801&MI_00#"));
    Require(notice.hotkey_interface ==
            StartsWithIgnoringCase(notice.device_name, "\\\\?\\Hid#Vid_1f3c&Pid_3801&MI_01&Col01#"));

    Recorder log;
    bool added = added_before;
    HandleDeviceChange(notice, xp, &added, log, log);
    CheckLog(notice, log, xp, added_before, added);
    return 0;
}
