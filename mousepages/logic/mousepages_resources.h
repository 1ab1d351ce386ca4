// Resource numbers of mousepages.dll: dialog templates, controls and bitmaps. Plain numbers,
// read by the resource compiler, the pages and their tests alike.
#pragma once

// Dialog templates: the two pages.
#define IDD_WHEEL 201
#define IDD_WHEEL_BUTTON 202

// "Wheel"
#define IDC_LINE_MODE 1042
#define IDC_PAGE_MODE 1043
#define IDC_SCROLL_LINES 1044
#define IDC_REVERSE 1046
#define IDC_SCROLL_LINES_SPIN 1062

// "Wheel Button": the three choices, in "Wheel Button" order, then the controls they enable.
#define IDC_ZOOM 1047
#define IDC_AUTO_SCROLL 1048
#define IDC_OTHER_FUNCTIONS 1049
#define IDC_ZOOM_SIZE 1050
#define IDC_ZOOM_FACTOR 1051
#define IDC_FUNCTION_LIST 1054
#define IDC_ZOOM_SIZE_SPIN 1060
#define IDC_ZOOM_FACTOR_SPIN 1061

// Pictures: a magnifying glass, a four-way arrow, a mouse wheel.
#define IDB_MAGNIFIER 415
#define IDB_FOUR_WAY_ARROW 416
#define IDB_MOUSE_WHEEL 417
