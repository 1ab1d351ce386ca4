// Resource numbers of the tray library, shared by its code and its resource script (so plain
// macros, which the resource compiler reads).
#pragma once

#define KB_IDI_CLASS_ICON 107
#define KB_IDI_CLASS_SMALL_ICON 108

#define KB_IDI_PRODUCT 147
#define KB_IDI_RADIO_IDLE 130
#define KB_IDI_RADIO_ACTIVE 131
#define KB_IDI_RADIO_LOW_IDLE 145
#define KB_IDI_RADIO_LOW_ACTIVE 146

// One icon per lock state 0 to 7, in order.
#define KB_IDI_LOCK_STATE_0 137
#define KB_IDI_LOCK_STATE_1 138
#define KB_IDI_LOCK_STATE_2 139
#define KB_IDI_LOCK_STATE_3 140
#define KB_IDI_LOCK_STATE_4 141
#define KB_IDI_LOCK_STATE_5 142
#define KB_IDI_LOCK_STATE_6 143
#define KB_IDI_LOCK_STATE_7 144
