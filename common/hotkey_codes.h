// Hot-key codes as the agent dispatches them. Codes 1 to 19 equal the filter driver's event
// codes; 20 to 23 reach the agent only from the keyboard filter or another sender.
#pragma once

enum HotKeyCode {
    HK_WWW_BACK = 1,
    HK_WWW_FORWARD = 2,
    HK_WWW_STOP = 3,
    HK_WWW_REFRESH = 4,
    HK_WWW_HOME = 5,
    HK_WWW_FAVORITES = 6,
    HK_MEDIA_PLAY = 7,
    HK_MEDIA_STOP = 8,
    HK_MEDIA_PREV = 9,
    HK_MEDIA_NEXT = 10,
    HK_MUTE = 11,
    HK_VOLUME_DOWN = 12,
    HK_VOLUME_UP = 13,
    HK_MEDIA_SELECT = 14,
    HK_SEARCH = 15,
    HK_MAIL = 16,
    HK_MY_COMPUTER = 17,
    HK_CALCULATOR = 18,
    HK_POWER = 19,
    HK_WORD = 20,
    HK_EXCEL = 21,
    HK_POWERPOINT = 22,
    HK_OUTLOOK = 23,
};
