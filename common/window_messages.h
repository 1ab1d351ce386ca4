// Win32 message numbers that the portable code of more than one deliverable uses, under names
// of our own so that portable code needs no platform header. The Win32 builds static_assert
// each one against windows.h.
#pragma once

constexpr unsigned KB_WM_LBUTTONDBLCLK = 0x0203;
constexpr unsigned KB_WM_RBUTTONDOWN = 0x0204;
