#include "agent/win32/action_media_select.h"

#include <windows.h>
#include <shellapi.h>

#include "agent/logic/action_media_select.h"
#include "agent/win32/agent_state.h"
#include "agent/win32/select_window.h"
#include "common/window_classes.h"

namespace {

// Windows Media Player 7.0, the player that comes with ME.
constexpr uint32_t kMePlayerRow = 3;

}  // namespace

void PerformMediaSelect() {
    AgentState& agent = Agent();
    if (agent.version.is_windows_me) {
        ShellExecuteA(nullptr, "open", "wmplayer.exe", nullptr, nullptr, SW_SHOWNORMAL);
        agent.settings.Select = kMePlayerRow;
        return;
    }
    if (HWND open = FindWindowA(KB_CLASS_MEDIA_SELECT, nullptr)) {
        HWND list = GetDlgItem(open, kSelectListId);
        const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        const int current = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
        const int next = NextSelectEntry(current, count);
        if (next >= 0) SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(next), 0);
        return;
    }
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, KB_CLASS_MEDIA_SELECT, "Media Select",
                                  WS_OVERLAPPEDWINDOW, 0, 0, kSelectWindowWidth, 80, nullptr, nullptr,
                                  agent.instance, nullptr);
    if (!window) return;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
}
