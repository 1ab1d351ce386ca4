#include "agent/logic/event_route.h"

EventRoute RouteFilterEvent(uint8_t code) {
    switch (code) {
    case EVENT_STATUS_CHANGED:
        return EventRoute::FetchStatusTable;
    case EVENT_STATUS_REPORT:
        return EventRoute::StatusReport;
    case EVENT_RECEIVER_REMOVED:
    case EVENT_RECEIVER_ADDED:
        return EventRoute::Ignore;
    default:
        return EventRoute::HotKey;
    }
}

int WheelDeltaOfStatusReport(uint8_t aux_byte) {
    if (aux_byte == 0) return 0;
    return aux_byte == 1 ? -1 : 1;
}

uint8_t LowBatteryMask(const RF_DATA& table) {
    uint8_t mask = 0;
    for (int kind = 0; kind < DEVICE_KIND_COUNT; ++kind) {
        if (table.Record[kind].Flags & RF_FLAG_BATTERY_LOW) mask = static_cast<uint8_t>(mask | (1u << kind));
    }
    return mask;
}
