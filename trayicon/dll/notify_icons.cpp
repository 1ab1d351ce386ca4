#include "trayicon/dll/notify_icons.h"

#include <shellapi.h>

#include <cstring>

namespace tray {
namespace {

#ifdef _WIN64
static_assert(NOTIFYICONDATAA_V1_SIZE == 104, "the first form of NOTIFYICONDATAA on x86_64");
#else
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "the first form of NOTIFYICONDATAA");
#endif
static_assert(sizeof(NOTIFYICONDATAA::szTip) >= kTipCapacity, "");

NOTIFYICONDATAA IconData(HWND window, unsigned id) {
    NOTIFYICONDATAA data;
    std::memset(&data, 0, sizeof data);
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = id;
    return data;
}

void SetTooltip(NOTIFYICONDATAA& data, const char* text) {
    std::strncpy(data.szTip, text, kTipCapacity - 1);
    data.szTip[kTipCapacity - 1] = '\0';
}

}  // namespace

void AddNotifyIcon(HWND window, unsigned id, HICON icon, const char* tooltip, UINT callback_message) {
    NOTIFYICONDATAA data = IconData(window, id);
    data.uFlags = NIF_ICON | NIF_TIP;
    if (callback_message != 0) {
        data.uFlags |= NIF_MESSAGE;
        data.uCallbackMessage = callback_message;
    }
    data.hIcon = icon;
    SetTooltip(data, tooltip);
    Shell_NotifyIconA(NIM_ADD, &data);
}

void ModifyNotifyIcon(HWND window, unsigned id, HICON icon, const Tooltip& tooltip) {
    NOTIFYICONDATAA data = IconData(window, id);
    data.uFlags = NIF_ICON | NIF_TIP;
    data.hIcon = icon;
    SetTooltip(data, tooltip.text);
    Shell_NotifyIconA(NIM_MODIFY, &data);
}

void DeleteNotifyIcon(HWND window, unsigned id) {
    NOTIFYICONDATAA data = IconData(window, id);
    Shell_NotifyIconA(NIM_DELETE, &data);
}

}  // namespace tray
