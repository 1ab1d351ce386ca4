// The tray window's notification icons as the shell takes them: the first form of
// NOTIFYICONDATAA (88 bytes on i686, 64-byte tooltip), which every supported Windows accepts.
#pragma once

#include <windows.h>

#include "trayicon/logic/tray_texts.h"

namespace tray {

void AddNotifyIcon(HWND window, unsigned id, HICON icon, const char* tooltip, UINT callback_message);
void ModifyNotifyIcon(HWND window, unsigned id, HICON icon, const Tooltip& tooltip);
void DeleteNotifyIcon(HWND window, unsigned id);

}  // namespace tray
