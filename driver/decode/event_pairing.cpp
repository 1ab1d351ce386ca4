#include "driver/decode/event_pairing.h"

EVENT_RECORD PairEvent(uint8_t& eventCode, uint8_t& auxByte, uint8_t code, const uint8_t* newAuxByte) {
    eventCode = code;
    if (newAuxByte != nullptr) auxByte = *newAuxByte;
    return EVENT_RECORD{eventCode, auxByte};
}
