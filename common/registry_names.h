// Registry keys and value names shared by the programs that write and read them. All keys
// live under HKEY_LOCAL_MACHINE.
#pragma once

// ---- Hot-key settings ----------------------------------------------------------------------
#define KB_REG_KEYBOARD "Software\\Orvanta\\ZI Dodoveda"
#define KB_REG_KEYBOARD_SEARCH KB_REG_KEYBOARD "\\Search"
#define KB_REG_KEYBOARD_MAIL KB_REG_KEYBOARD "\\Mail"
#define KB_REG_KEYBOARD_MY_COMPUTER KB_REG_KEYBOARD "\\My Computer"
#define KB_REG_KEYBOARD_CALCULATOR KB_REG_KEYBOARD "\\Calculator"
#define KB_REG_KEYBOARD_DISPLAY KB_REG_KEYBOARD "\\Display"
#define KB_REG_KEYBOARD_OPTION KB_REG_KEYBOARD "\\Option"

#define KB_VAL_SELECT "Select"
#define KB_VAL_VALUE "Value"
#define KB_VAL_URL "URL"
#define KB_VAL_DEFAULT "DEFAULT"
#define KB_VAL_CUSTOM "Custom"
#define KB_VAL_NAME "Name"
#define KB_VAL_SHOW_SEARCH "Search"
#define KB_VAL_SHOW_MAIL "Mail"
#define KB_VAL_SHOW_MEDIA "Media"
#define KB_VAL_SHOW_VOLUME "Volume"
#define KB_VAL_SHOW_MY_COMPUTER "MyComputer"
#define KB_VAL_SHOW_CALCULATOR "Calculator"
#define KB_VAL_DELAY "Delay"
#define KB_VAL_PRTSCR "PrtScr"
#define KB_VAL_CAPS_LOCK "Caps Lock"
#define KB_VAL_LEFT_WINDOW "Left Window"
#define KB_VAL_RIGHT_WINDOW "Right Window"
#define KB_VAL_APPLICATION "Application"

// Texts are stored in buffers of this size, terminating NUL included.
constexpr int KB_REG_TEXT_SIZE = 128;

// ---- Receiver lock -------------------------------------------------------------------------
#define KB_REG_SKYREL "Software\\Orvanta\\Skyrel"
#define KB_VAL_USB_LOCK "USB Lock"

// ---- Wheel settings ------------------------------------------------------------------------
#define KB_REG_WHEEL "Software\\Orvanta\\ZU2-DIVUVER"
#define KB_VAL_SCROLL_MODE "Scroll Mode"
#define KB_VAL_SCROLL_LINE "Scroll Line"
#define KB_VAL_SCROLL_REVERSE "Scroll Reverse"
#define KB_VAL_WHEEL_BUTTON "Wheel Button"
#define KB_VAL_ZOOM_SIZE "Zoom Size"
#define KB_VAL_ZOOM_FACTOR "Zoom Factor"
#define KB_VAL_FUNCTION "Function"

#define KB_REG_APP_PATH_IEXPLORE "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE"
#define KB_REG_APP_PATH_NETSCAPE "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Netscape.exe"

// ---- Filter services -----------------------------------------------------------------------
#define KB_REG_SERVICES "System\\CurrentControlSet\\Services"
#define KB_REG_SERVICE_UVXNFTR KB_REG_SERVICES "\\UVXNFTR"
#define KB_REG_SERVICE_LVXNFTR KB_REG_SERVICES "\\LVXNFTR"
#define KB_VAL_LOWER_FILTERS "LowerFilters"

// ---- Shell registration --------------------------------------------------------------------
#define KB_REG_CONTROLS_FOLDER "Software\\Microsoft\\Windows\\CurrentVersion\\Controls Folder\\"
#define KB_REG_SHELLEX_APPROVED "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved"
#define KB_REG_KEYBOARD_SHEET_HANDLER \
    KB_REG_CONTROLS_FOLDER "Keyboard\\shellex\\PropertySheetHandlers\\Orvanta ZI Dodoveda"
#define KB_REG_MOUSE_SHEET_HANDLER \
    KB_REG_CONTROLS_FOLDER "Mouse\\shellex\\PropertySheetHandlers\\Orvanta RI Zovud"
