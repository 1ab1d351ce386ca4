// Resource numbers of keypages.dll: dialog templates, controls, strings, bitmaps and icons.
// Plain numbers, read by the resource compiler, the pages and the portable page logic alike.
#pragma once

// Dialog templates: the three pages and the program chooser.
#define IDD_HOT_KEYS 201
#define IDD_ON_SCREEN_DISPLAY 202
#define IDD_OPTIONS 203
#define IDD_SELECT 315

// "Hot Keys"
#define IDC_KEY_GROUP 1001
#define IDC_SELECT_SEARCH 1002
#define IDC_SELECT_MAIL 1003
#define IDC_DESCRIPTION 1004
#define IDC_FIRST_CHOICE 1005
#define IDC_SECOND_CHOICE 1006
#define IDC_CUSTOM_CHOICE 1007
#define IDC_SEARCH_URL 1008
#define IDC_SELECT_MY_COMPUTER 1009
#define IDC_MAIL_PROGRAM 1010
#define IDC_SELECT_CALCULATOR 1011
#define IDC_SELECT_POWER 1012
#define IDC_HOT_KEY_LIST 1023
#define IDC_CHOOSE_PROGRAM 1024
#define IDC_KEY_PICTURE 1028
#define IDC_PROGRAM_NAME 1030

// "On-Screen Display"
#define IDC_SHOW_SEARCH 1011
#define IDC_SHOW_MAIL 1012
#define IDC_SHOW_MEDIA 1013
#define IDC_SHOW_VOLUME 1014
#define IDC_SHOW_MY_COMPUTER 1015
#define IDC_SHOW_CALCULATOR 1016
#define IDC_DISPLAY_TIME 1017

// "Options"
#define IDC_PRTSCR 1018
#define IDC_DISABLE_CAPS_LOCK 1019
#define IDC_DISABLE_LEFT_WINDOW 1020
#define IDC_DISABLE_RIGHT_WINDOW 1021
#define IDC_DISABLE_APPLICATION 1022

// "Select"
#define IDC_PROGRAM_PATH 1025
#define IDC_BROWSE 1026
#define IDC_ON_SCREEN_NAME 1027

// Strings of the hot-key table, each range in hot-key order (Search, Mail, My Computer,
// Calculator, Power).
#define IDS_LIST_TEXT_FIRST 103
#define IDS_DESCRIPTION_FIRST 108
#define IDS_FIRST_CHOICE_FIRST 113
#define IDS_GROUP_TITLE_FIRST 118
#define IDS_CUSTOM_CHOICE_FIRST 123
#define IDS_WINDOWS_EXPLORER 128
// The display times, in the order of their list (common/display_times.h).
#define IDS_DISPLAY_TIME_FIRST 129
#define IDS_NO_SELECTION 141
#define IDS_MAIL_OUTLOOK_EXPRESS 142
#define IDS_MAIL_OUTLOOK 143
#define IDS_PATH_TOO_LONG 144

// Item bitmaps (20 by 20) and pictures (120 by 120), in hot-key order.
#define IDB_ITEM_FIRST 303
#define IDB_PICTURE_FIRST 316

// Key symbols beside the key-disable check boxes.
#define IDI_WINDOWS_KEY 312
#define IDI_APPLICATION_KEY 313
