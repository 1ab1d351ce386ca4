#include "wheelhook/dll/win32_platform.h"

#include <windows.h>

#include "programstart/win32/start_program.h"
#include "wheelhook/dll/window_ids.h"

static_assert(WM_HSCROLL == msg::kHScroll && WM_VSCROLL == msg::kVScroll, "scroll messages");
static_assert(WM_COMMAND == msg::kCommand && WM_SYSCOMMAND == msg::kSysCommand, "commands");
static_assert(WM_NCMOUSEMOVE == msg::kNcMouseMove && WM_NCLBUTTONDOWN == msg::kNcLButtonDown &&
              WM_NCRBUTTONDOWN == msg::kNcRButtonDown && WM_NCMBUTTONDOWN == msg::kNcMButtonDown,
              "frame mouse messages");
static_assert(WM_MOUSEMOVE == msg::kMouseMove && WM_LBUTTONDOWN == msg::kLButtonDown &&
              WM_LBUTTONDBLCLK == KB_WM_LBUTTONDBLCLK && WM_RBUTTONDOWN == KB_WM_RBUTTONDOWN &&
              WM_MBUTTONDOWN == msg::kMButtonDown && WM_MBUTTONUP == msg::kMButtonUp &&
              WM_MOUSEWHEEL == msg::kMouseWheel, "mouse messages");
static_assert(SB_LINEUP == scroll::kLineUp && SB_LINEDOWN == scroll::kLineDown &&
              SB_PAGEUP == scroll::kPageUp && SB_PAGEDOWN == scroll::kPageDown, "scroll codes");
static_assert(WS_HSCROLL == style::kHScroll && WS_VSCROLL == style::kVScroll, "styles");
static_assert(SBS_VERT == style::kScrollBarVertical, "scroll-bar control style");
static_assert(VK_BACK == vk::kBack && VK_RETURN == vk::kReturn && VK_ESCAPE == vk::kEscape &&
              VK_PRIOR == vk::kPrior && VK_NEXT == vk::kNext && VK_LEFT == vk::kLeft &&
              VK_RIGHT == vk::kRight && VK_DELETE == vk::kDelete && VK_LWIN == vk::kLWin &&
              VK_F1 == vk::kF1 && VK_F12 == vk::kF1 + 11, "keys");
static_assert(SC_MINIMIZE == syscmd::kMinimize && SC_MAXIMIZE == syscmd::kMaximize &&
              SC_CLOSE == syscmd::kClose && SC_RESTORE == syscmd::kRestore, "window commands");
static_assert(SW_SHOWNORMAL == kShowNormal && SW_SHOW == kShow, "show commands");

bool ShiftDown() { return (GetKeyState(VK_SHIFT) & 0x80) != 0; }

void Win32WheelPlatform::KeyDown(uint8_t key) { keybd_event(key, 0, 0, 0); }

void Win32WheelPlatform::KeyUp(uint8_t key) { keybd_event(key, 0, KEYEVENTF_KEYUP, 0); }

void Win32WheelPlatform::LeftButtonDown() { mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0); }

void Win32WheelPlatform::LeftButtonUp() { mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0); }

WindowId Win32WheelPlatform::ForegroundWindow() { return IdOf(GetForegroundWindow()); }

WindowId Win32WheelPlatform::FindWindowByClass(const char* class_name) {
    return IdOf(FindWindowA(class_name, nullptr));
}

void Win32WheelPlatform::Post(WindowId window, uint32_t message, uint32_t wparam) {
    PostMessageA(WindowOf(window), message, wparam, 0);
}

void Win32WheelPlatform::Execute(const char* command, int show) { StartProgram(command, show); }
