#include "keypages/dll/keyboard_page.h"

#include "common/window_classes.h"
#include "sheetext/win32/module.h"
#include "sheetext/win32/win32_registry.h"

namespace keypages {

void KeyboardPage::LoadSettings() {
    popup_ = FindWindowA(KB_CLASS_AGENT_POPUP, nullptr);
    settings_ = KeyboardSettings{};
    sheetext::Win32Registry registry;
    ReadSettings(registry, group_, settings_);
}

INT_PTR KeyboardPage::OnNotify(HWND page, const NMHDR& notification) {
    if (notification.code != static_cast<UINT>(PSN_APPLY)) return FALSE;
    sheetext::Win32Registry registry;
    WriteSettings(registry, group_, settings_);
    // The agent reloads its settings before this returns.
    if (popup_ != nullptr) SendMessageA(popup_, WM_WININICHANGE, 0, 0);
    return sheetext::NotifyResult(page, PSNRET_NOERROR);
}

INT_PTR KeyboardPage::OnMessage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        LoadSettings();
        OnInitDialog(page);
        return TRUE;
    case WM_COMMAND:
        OnCommand(page, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(page, *reinterpret_cast<const NMHDR*>(lParam));
    default:
        return OnPageMessage(page, message, wParam, lParam);
    }
}

ModuleString::ModuleString(int id) {
    if (LoadStringA(sheetext::ModuleInstance(), id, text_, sizeof text_) <= 0) text_[0] = '\0';
}

}  // namespace keypages
