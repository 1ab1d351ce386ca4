// The platform's message, scroll and key numbers that the wheel logic works with, under names
// of our own so that portable code needs no platform header (the Win32 files check them
// against the platform's own definitions). Message numbers that other deliverables use too
// live in common/window_messages.h.
#pragma once

#include <stdint.h>

#include "common/window_messages.h"

namespace msg {
constexpr uint32_t kHScroll = 0x0114;
constexpr uint32_t kVScroll = 0x0115;
constexpr uint32_t kCommand = 0x0111;
constexpr uint32_t kSysCommand = 0x0112;
constexpr uint32_t kNcMouseMove = 0x00A0;
constexpr uint32_t kNcLButtonDown = 0x00A1;
constexpr uint32_t kNcRButtonDown = 0x00A4;
constexpr uint32_t kNcMButtonDown = 0x00A7;
constexpr uint32_t kMouseMove = 0x0200;
constexpr uint32_t kLButtonDown = 0x0201;
constexpr uint32_t kMButtonDown = 0x0207;
constexpr uint32_t kMButtonUp = 0x0208;
constexpr uint32_t kMouseWheel = 0x020A;
}  // namespace msg

// Scroll codes (wParam of WM_VSCROLL; the same numbers mean left and right for WM_HSCROLL).
namespace scroll {
constexpr uint32_t kLineUp = 0;
constexpr uint32_t kLineDown = 1;
constexpr uint32_t kPageUp = 2;
constexpr uint32_t kPageDown = 3;
}  // namespace scroll

namespace style {
constexpr uint32_t kHScroll = 0x00100000;
constexpr uint32_t kVScroll = 0x00200000;
constexpr uint32_t kScrollBarVertical = 0x0001;  // SBS_VERT
}  // namespace style

namespace vk {
constexpr uint8_t kBack = 0x08;
constexpr uint8_t kReturn = 0x0D;
constexpr uint8_t kEscape = 0x1B;
constexpr uint8_t kPrior = 0x21;
constexpr uint8_t kNext = 0x22;
constexpr uint8_t kLeft = 0x25;
constexpr uint8_t kRight = 0x27;
constexpr uint8_t kDelete = 0x2E;
constexpr uint8_t kLWin = 0x5B;
constexpr uint8_t kF1 = 0x70;  // F2 to F12 follow it; a letter key's code is its capital
}  // namespace vk

namespace syscmd {
constexpr uint32_t kMinimize = 0xF020;
constexpr uint32_t kMaximize = 0xF030;
constexpr uint32_t kClose = 0xF060;
constexpr uint32_t kRestore = 0xF120;
}  // namespace syscmd

constexpr int kShowNormal = 1;  // SW_SHOWNORMAL
constexpr int kShow = 5;        // SW_SHOW

// A window as portable code sees it: the handle's bits, 0 for none.
using WindowId = uintptr_t;
