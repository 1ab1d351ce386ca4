#include "agent/win32/select_window.h"

#include <windows.h>
#include <shellapi.h>

#include "agent/logic/action_media_select.h"
#include "agent/logic/action_player_search.h"
#include "agent/win32/agent_state.h"
#include "agent/win32/player_search.h"
#include "agent/win32/player_table.h"
#include "agent/win32/settings_store.h"
#include "agent/win32/window_classes.h"

namespace {

void FillList(HWND window) {
    PlayerEntry (&rows)[kPlayerCount] = PlayerTable();
    for (PlayerEntry& row : rows) row.found = 0;
    SearchPlayerPrograms(rows, kWholePlayerSearch);
    HWND list = CreateWindowExA(0, "ListBox", nullptr, WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_WANTKEYBOARDINPUT, 0,
                                0, 0, 0, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSelectListId)),
                                Agent().instance, nullptr);
    if (!list) return;
    for (const PlayerEntry& row : rows)
        if (row.found) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.display_name));
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    SetFocus(list);
}

void Size(HWND window) {
    HWND list = GetDlgItem(window, kSelectListId);
    const int item_height = list ? static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0)) : 0;
    const SelectWindowMetrics metrics{GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN),
                                      GetSystemMetrics(SM_CYFRAME), GetSystemMetrics(SM_CYCAPTION)};
    const SelectWindowPlacement place = PlaceSelectWindow(metrics, item_height, FoundPlayerCount(PlayerTable()));
    RECT client;
    GetClientRect(window, &client);
    if (list) SetWindowPos(list, nullptr, 0, 0, client.right, place.list_height, SWP_NOZORDER | SWP_SHOWWINDOW);
    SetWindowPos(window, HWND_TOPMOST, place.x, place.y, place.width, place.height, SWP_SHOWWINDOW);
}

void ChoosePlayer(HWND window) {
    HWND list = GetDlgItem(window, kSelectListId);
    const int selection = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
    const int row = PlayerRowForListEntry(PlayerTable(), selection);
    if (row < 0) return;
    AgentState& agent = Agent();
    agent.settings.Select = static_cast<uint32_t>(row);
    SavePlayer(agent.settings);
    ShellExecuteA(nullptr, "open", PlayerTable()[row].path, nullptr, nullptr, SW_SHOWNORMAL);
    DestroyWindow(window);
}

}  // namespace

LRESULT CALLBACK SelectWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        FillList(window);
        return 0;
    case WM_SIZE:
        Size(window);
        return 0;
    case WM_VKEYTOITEM:
        if (LOWORD(wParam) == VK_RETURN) ChoosePlayer(window);
        return -1;
    case WM_COMMAND:
        if (LOWORD(wParam) == kSelectListId && HIWORD(wParam) == LBN_DBLCLK) ChoosePlayer(window);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
