#include "agent/win32/action_office.h"

#include <windows.h>
#include <shellapi.h>

#include "agent/logic/action_programs.h"
#include "agent/win32/popup_window.h"

namespace {

bool OfficeWindowExists(const OfficeApp& app) {
    for (int i = 0; i < app.class_count; ++i)
        if (FindWindowA(app.classes[i], nullptr)) return true;
    return false;
}

// The started application's window, waited for with the popup kept painting. The wait holds
// the user-interface thread, so it gives up after a bounded time.
void WaitForOfficeWindow(const OfficeApp& app) {
    const DWORD start = GetTickCount();
    do {
        PumpPopupMessages();
        Sleep(kOfficeWaitPollMs);
        PumpPopupMessages();
        if (OfficeWindowExists(app)) break;
    } while (OfficeWaitGoesOn(GetTickCount() - start));
    PumpPopupMessages();
}

}  // namespace

void PerformOfficeKey(int index) {
    OfficeApp app{};
    if (!OfficeAppFor(index, app)) return;
    if (OfficeWindowExists(app)) {
        if (!app.waits_for_window) PumpPopupMessages();
        return;
    }
    const HINSTANCE started = ShellExecuteA(nullptr, "open", app.program, nullptr, nullptr, SW_RESTORE);
    if (!ShellStartSucceeded(reinterpret_cast<uintptr_t>(started))) {
        SwitchPopupToOfficeMissing();
        PumpPopupMessages();
        return;
    }
    if (app.waits_for_window)
        WaitForOfficeWindow(app);
    else
        PumpPopupMessages();
}
