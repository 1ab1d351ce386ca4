#include "tools/simulator/script/report_words.h"

#include "driver/decode/key_table.h"
#include "tools/simulator/script/text_format.h"

namespace sim {
namespace {

constexpr const char* kKindNames[DEVICE_KIND_COUNT] = {
    "Keyboard", "Ten Key Pad", "Mouse", "GamePad A", "GamePad B", "K/B with Trackball", "Space Ball", "Writing Pad",
};

const char* LockWords(uint8_t flags) { return (flags & RF_FLAG_LOCK) ? "lock on" : "lock off"; }

// Channel and id as the user sees them, counted from 1.
std::string Link(uint8_t channel, uint16_t id) {
    return Format("CH %d, ID %d", channel + 1, (id & 0x0FFF) + 1);
}

std::string DescribeConsumer(const std::vector<uint8_t>& r) {
    if (r.size() < 3) return "consumer-key report, too short";
    uint16_t usage = static_cast<uint16_t>(r[1] | (r[2] << 8));
    if (usage == 0) return "consumer keys released";
    if (uint8_t code = ConsumerKeyCode(usage)) {
        return Format("consumer key \"%s\" pressed (usage 0x%04X)", KeyNameForEvent(code), usage);
    }
    return Format("consumer usage 0x%04X (not a hot key)", usage);
}

std::string DescribeSystemControl(const std::vector<uint8_t>& r) {
    if (r.size() < 2) return "system-control report, too short";
    if (IsPowerKeyUsage(r[1])) return Format("system control \"%s\" pressed", KeyNameForEvent(KEY_TABLE_POWER_POSITION));
    return Format("system control 0x%02X (not a hot key)", r[1]);
}

std::string DescribeDeviceStatus(const std::vector<uint8_t>& r) {
    if (r.size() < 6) return "device-status report, too short";
    uint8_t index = r[1];
    uint8_t flags = r[5];
    if (index < DEVICE_KIND_COUNT) {
        uint16_t id = static_cast<uint16_t>(r[3] | ((r[4] & 0x0F) << 8));
        return Format("device status: %s linked, %s, %s, %s", kKindNames[index], Link(r[2], id).c_str(),
                      (flags & RF_FLAG_BATTERY_LOW) ? "battery low" : "battery ok", LockWords(flags));
    }
    if (index == RF_INDEX_CLEAR_ALL) return Format("device status: every device unlinked, %s", LockWords(flags));
    if (index == RF_INDEX_LOCK_ONLY) return Format("device status: %s", LockWords(flags));
    return Format("device status for index %d (no such device kind)", index);
}

std::string DescribeStatusReport(const std::vector<uint8_t>& r) {
    if (r.size() == 6) return Format("status report, auxiliary byte 0x%02X", r[5]);
    if (r.size() == 5) return "status report, auxiliary byte cleared";
    return Format("status report of %d bytes (auxiliary byte kept)", static_cast<int>(r.size()));
}

}  // namespace

std::string HexBytes(const std::vector<uint8_t>& bytes) {
    std::string text;
    for (uint8_t b : bytes) {
        if (!text.empty()) text += ' ';
        text += Format("%02X", b);
    }
    return text;
}

const char* KeyNameForEvent(int code) {
    return code >= 1 && code <= KEY_TABLE_SIZE ? KeyTable[code - 1].Name : nullptr;
}

const char* DeviceKindName(int kind) { return kind >= 0 && kind < DEVICE_KIND_COUNT ? kKindNames[kind] : nullptr; }

std::string DescribeReport(const std::vector<uint8_t>& report) {
    if (report.empty()) return "empty report";
    switch (report[0]) {
    case 1: return DescribeConsumer(report);
    case 2: return DescribeSystemControl(report);
    case 3: return DescribeDeviceStatus(report);
    case 4: return DescribeStatusReport(report);
    default: return Format("report %d (unknown report number)", report[0]);
    }
}

std::string DescribeEvent(const EVENT_RECORD& event) {
    std::string what;
    int code = event.Code;
    if (const char* key = KeyNameForEvent(code)) {
        what = Format("hot key \"%s\"", key);
    } else if (code == EVENT_STATUS_CHANGED) {
        what = "device status changed";
    } else if (code == EVENT_KEYS_RELEASED) {
        what = "all consumer keys released";
    } else if (code == EVENT_STATUS_REPORT) {
        what = "status report";
    } else if (code == EVENT_RECEIVER_REMOVED) {
        what = "receiver removed";
    } else if (code == EVENT_RECEIVER_ADDED) {
        what = "receiver added";
    } else {
        what = "unknown event";
    }
    return Format("event %d, aux %d: %s", code, event.AuxByte, what.c_str());
}

std::vector<std::string> DescribeStatusTable(const RF_DATA& table) {
    std::vector<std::string> lines;
    for (int kind = 0; kind < DEVICE_KIND_COUNT; ++kind) {
        const RF_RECORD& record = table.Record[kind];
        if (!(record.State & RF_STATE_LINKED)) continue;
        lines.push_back(Format("%-18s %s, %s, %s", kKindNames[kind], Link(record.Channel, record.Id).c_str(),
                               (record.Flags & RF_FLAG_BATTERY_LOW) ? "battery low" : "battery ok",
                               LockWords(record.Flags)));
    }
    if (lines.empty()) {
        bool reported = (table.Record[0].State & RF_STATE_REPORTED) != 0;
        const char* since = reported ? "the receiver has reported" : "nothing reported since the table was cleared";
        lines.push_back(Format("no device linked (%s), %s", since, LockWords(table.Record[0].Flags)));
    }
    return lines;
}

std::string DescribeHidReport(const std::vector<uint8_t>& fed, const std::vector<uint8_t>& received) {
    std::string text = "HID driver receives " + HexBytes(received);
    if (received == fed) return text + " (unchanged)";
    bool only_zeroed = received.size() == fed.size();
    for (size_t i = 0; only_zeroed && i < fed.size(); ++i) {
        only_zeroed = received[i] == fed[i] || received[i] == 0;
    }
    return text + (only_zeroed ? " (hot key blanked)" : " (changed on the way up)");
}

}  // namespace sim
