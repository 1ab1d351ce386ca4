// Resource numbers and control ids of the status applet, shared by its code and its resource
// script (so plain macros, which the resource compiler reads).
#pragma once

// The Control Panel entry: its icon and name, and its description.
#define KB_IDI_APPLET 131
#define KB_IDS_APPLET_NAME 131
#define KB_IDS_APPLET_INFO 133

// The status dialog and its pictures.
#define KB_IDD_SKYREL_STATUS 131
#define KB_IDB_LOGO 132
#define KB_IDI_DEVICE_CHOSEN 135
#define KB_IDI_DEVICE_OTHER 136
#define KB_IDCUR_DEVICE_POINTER 130
#define KB_IDB_BATTERY_GOOD 406
#define KB_IDB_BATTERY_LOW 407
#define KB_IDB_BATTERY_NONE 410

// The dialog's controls. The device buttons' ids are not in record order: see status_layout.h.
#define KB_IDC_KEYBOARD 1006
#define KB_IDC_MOUSE 1007
#define KB_IDC_TEN_KEY_PAD 1008
#define KB_IDC_KB_WITH_TRACKBALL 1009
#define KB_IDC_WRITING_PAD 1010
#define KB_IDC_CHANNEL 1011
#define KB_IDC_ID 1012
#define KB_IDC_GAMEPAD_A 1013
#define KB_IDC_GAMEPAD_B 1014
#define KB_IDC_LOCK 1015
#define KB_IDC_SPACE_BALL 1016
#define KB_IDC_BATTERY 1017
