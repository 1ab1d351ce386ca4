#include "trayicon/dll/tray_menu.h"

#include "trayicon/logic/tray_model.h"

namespace tray {
namespace {

class PopupMenu {
public:
    PopupMenu() : menu_(CreatePopupMenu()) {}
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
    ~PopupMenu() {
        if (menu_ != nullptr) DestroyMenu(menu_);
    }
    HMENU Get() const { return menu_; }

private:
    HMENU menu_;
};

}  // namespace

void ShowTrayMenu(HWND owner) {
    DWORD position = GetMessagePos();
    // Signed, so that a monitor left of or above the primary one works too.
    int x = static_cast<short>(LOWORD(position));
    int y = static_cast<short>(HIWORD(position));

    PopupMenu menu;
    if (menu.Get() == nullptr) return;
    for (const MenuItem& item : kMenuItems) AppendMenuA(menu.Get(), MF_STRING, item.command, item.text);

    // Without the foreground the menu would not close when the user clicks elsewhere, and
    // the message after tracking lets the next menu open at the first click.
    SetForegroundWindow(owner);
    TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_LEFTBUTTON, x, y, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
}

}  // namespace tray
