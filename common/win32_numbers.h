// The platform's numbers that portable code works with (window messages, scroll codes, styles,
// virtual keys, window commands, show commands, device-change events), under names of our own
// so that it needs no platform header. The Windows trees hold each one to the platform's own
// definition (common/tests/win32/win32_numbers_check.cpp).
#pragma once

#include <stdint.h>

// ---- Window messages -----------------------------------------------------------------------
constexpr uint32_t KB_WM_NCMOUSEMOVE = 0x00A0;
constexpr uint32_t KB_WM_NCLBUTTONDOWN = 0x00A1;
constexpr uint32_t KB_WM_NCRBUTTONDOWN = 0x00A4;
constexpr uint32_t KB_WM_NCMBUTTONDOWN = 0x00A7;
constexpr uint32_t KB_WM_KEYDOWN = 0x0100;
constexpr uint32_t KB_WM_COMMAND = 0x0111;
constexpr uint32_t KB_WM_SYSCOMMAND = 0x0112;
constexpr uint32_t KB_WM_HSCROLL = 0x0114;
constexpr uint32_t KB_WM_VSCROLL = 0x0115;
constexpr uint32_t KB_WM_MOUSEMOVE = 0x0200;
constexpr uint32_t KB_WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t KB_WM_LBUTTONDBLCLK = 0x0203;
constexpr uint32_t KB_WM_RBUTTONDOWN = 0x0204;
constexpr uint32_t KB_WM_MBUTTONDOWN = 0x0207;
constexpr uint32_t KB_WM_MBUTTONUP = 0x0208;
constexpr uint32_t KB_WM_MOUSEWHEEL = 0x020A;

// ---- Scroll codes (wParam of WM_VSCROLL; the same numbers mean left and right for WM_HSCROLL)
constexpr uint32_t KB_SB_LINEUP = 0;
constexpr uint32_t KB_SB_LINEDOWN = 1;
constexpr uint32_t KB_SB_PAGEUP = 2;
constexpr uint32_t KB_SB_PAGEDOWN = 3;

// ---- Window styles -------------------------------------------------------------------------
constexpr uint32_t KB_WS_HSCROLL = 0x00100000;
constexpr uint32_t KB_WS_VSCROLL = 0x00200000;
constexpr uint32_t KB_SBS_VERT = 0x0001;  // a scroll-bar control that scrolls up and down

// ---- Virtual keys --------------------------------------------------------------------------
constexpr uint8_t KB_VK_BACK = 0x08;
constexpr uint8_t KB_VK_RETURN = 0x0D;
constexpr uint8_t KB_VK_SHIFT = 0x10;
constexpr uint8_t KB_VK_CONTROL = 0x11;
constexpr uint8_t KB_VK_MENU = 0x12;
constexpr uint8_t KB_VK_ESCAPE = 0x1B;
constexpr uint8_t KB_VK_PRIOR = 0x21;
constexpr uint8_t KB_VK_NEXT = 0x22;
constexpr uint8_t KB_VK_HOME = 0x24;
constexpr uint8_t KB_VK_LEFT = 0x25;
constexpr uint8_t KB_VK_RIGHT = 0x27;
constexpr uint8_t KB_VK_DELETE = 0x2E;
constexpr uint8_t KB_VK_LWIN = 0x5B;
constexpr uint8_t KB_VK_F1 = 0x70;  // F2 to F12 follow it; a letter key's code is its capital
constexpr uint8_t KB_VK_F5 = 0x74;

// ---- Window commands (wParam of WM_SYSCOMMAND) ---------------------------------------------
constexpr uint32_t KB_SC_MINIMIZE = 0xF020;
constexpr uint32_t KB_SC_MAXIMIZE = 0xF030;
constexpr uint32_t KB_SC_CLOSE = 0xF060;
constexpr uint32_t KB_SC_RESTORE = 0xF120;

// ---- Show commands -------------------------------------------------------------------------
constexpr int KB_SW_SHOWNORMAL = 1;
constexpr int KB_SW_SHOW = 5;

// ---- Device-change events (wParam of WM_DEVICECHANGE) --------------------------------------
constexpr uint32_t KB_DBT_DEVNODES_CHANGED = 0x0007;
constexpr uint32_t KB_DBT_DEVICEARRIVAL = 0x8000;
constexpr uint32_t KB_DBT_DEVICEQUERYREMOVE = 0x8001;
constexpr uint32_t KB_DBT_DEVICEREMOVEPENDING = 0x8003;
constexpr uint32_t KB_DBT_DEVICEREMOVECOMPLETE = 0x8004;
