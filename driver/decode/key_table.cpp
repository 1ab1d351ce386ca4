#include "driver/decode/key_table.h"

const KeyTableEntry KeyTable[KEY_TABLE_SIZE] = {
    {0x0224, "WWW Back"},
    {0x0225, "WWW Forward"},
    {0x0226, "WWW Stop"},
    {0x0227, "WWW Refresh"},
    {0x0223, "WWW Home"},
    {0x022A, "WWW Favorite"},
    {0x00CD, "Media Play"},
    {0x00B7, "Media Stop"},
    {0x00B6, "Media Prev"},
    {0x00B5, "Media Next"},
    {0x00E2, "Media Mute"},
    {0x00EA, "Media Vol-"},
    {0x00E9, "Media Vol+"},
    {0x0183, "Select key"},
    {0x0221, "WWW Search"},
    {0x018A, "Mail"},
    {0x0194, "My Computer"},
    {0x0192, "Calculator"},
    {0x0081, "Power key"},
};

uint8_t ConsumerKeyCode(uint16_t usage) {
    for (int i = 0; i < KEY_TABLE_CONSUMER_KEYS; ++i) {
        if (KeyTable[i].Usage == usage) return static_cast<uint8_t>(i + 1);
    }
    return 0;
}

bool IsPowerKeyUsage(uint8_t usage) {
    return usage == static_cast<uint8_t>(KeyTable[KEY_TABLE_POWER_POSITION - 1].Usage);
}
