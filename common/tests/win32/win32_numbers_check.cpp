// Built in the Windows trees only to hold our names of the platform's numbers to the platform's
// own definitions; the object is never linked.
#include <windows.h>
#include <dbt.h>

#include "common/win32_numbers.h"

static_assert(WM_NCMOUSEMOVE == KB_WM_NCMOUSEMOVE && WM_NCLBUTTONDOWN == KB_WM_NCLBUTTONDOWN &&
              WM_NCRBUTTONDOWN == KB_WM_NCRBUTTONDOWN && WM_NCMBUTTONDOWN == KB_WM_NCMBUTTONDOWN,
              "frame mouse messages");
static_assert(WM_KEYDOWN == KB_WM_KEYDOWN && WM_COMMAND == KB_WM_COMMAND && WM_SYSCOMMAND == KB_WM_SYSCOMMAND,
              "keys and commands");
static_assert(WM_HSCROLL == KB_WM_HSCROLL && WM_VSCROLL == KB_WM_VSCROLL, "scroll messages");
static_assert(WM_MOUSEMOVE == KB_WM_MOUSEMOVE && WM_LBUTTONDOWN == KB_WM_LBUTTONDOWN &&
              WM_LBUTTONDBLCLK == KB_WM_LBUTTONDBLCLK && WM_RBUTTONDOWN == KB_WM_RBUTTONDOWN &&
              WM_MBUTTONDOWN == KB_WM_MBUTTONDOWN && WM_MBUTTONUP == KB_WM_MBUTTONUP &&
              WM_MOUSEWHEEL == KB_WM_MOUSEWHEEL,
              "mouse messages");
static_assert(SB_LINEUP == KB_SB_LINEUP && SB_LINEDOWN == KB_SB_LINEDOWN && SB_PAGEUP == KB_SB_PAGEUP &&
              SB_PAGEDOWN == KB_SB_PAGEDOWN,
              "scroll codes");
static_assert(WS_HSCROLL == KB_WS_HSCROLL && WS_VSCROLL == KB_WS_VSCROLL && SBS_VERT == KB_SBS_VERT, "styles");
static_assert(VK_BACK == KB_VK_BACK && VK_RETURN == KB_VK_RETURN && VK_SHIFT == KB_VK_SHIFT &&
              VK_CONTROL == KB_VK_CONTROL && VK_MENU == KB_VK_MENU && VK_ESCAPE == KB_VK_ESCAPE &&
              VK_PRIOR == KB_VK_PRIOR && VK_NEXT == KB_VK_NEXT && VK_HOME == KB_VK_HOME && VK_LEFT == KB_VK_LEFT &&
              VK_RIGHT == KB_VK_RIGHT && VK_DELETE == KB_VK_DELETE && VK_LWIN == KB_VK_LWIN && VK_F1 == KB_VK_F1 &&
              VK_F5 == KB_VK_F5 && VK_F12 == KB_VK_F1 + 11,
              "keys");
static_assert(SC_MINIMIZE == KB_SC_MINIMIZE && SC_MAXIMIZE == KB_SC_MAXIMIZE && SC_CLOSE == KB_SC_CLOSE &&
              SC_RESTORE == KB_SC_RESTORE,
              "window commands");
static_assert(SW_SHOWNORMAL == KB_SW_SHOWNORMAL && SW_SHOW == KB_SW_SHOW, "show commands");
static_assert(DBT_DEVNODES_CHANGED == KB_DBT_DEVNODES_CHANGED && DBT_DEVICEARRIVAL == KB_DBT_DEVICEARRIVAL &&
              DBT_DEVICEQUERYREMOVE == KB_DBT_DEVICEQUERYREMOVE &&
              DBT_DEVICEREMOVEPENDING == KB_DBT_DEVICEREMOVEPENDING &&
              DBT_DEVICEREMOVECOMPLETE == KB_DBT_DEVICEREMOVECOMPLETE,
              "device-change events");
